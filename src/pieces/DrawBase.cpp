#include "pieces/PieceBodies.h"

namespace GRAPH1 {

// The base: the board the plates stand on, with the marks that say which tab
// of which plate goes along which line. The same for every site.
void BaseBody(Canvas& c, const DrawingParameters&) {
  // The upper field is 2700 * cos 45 deep: plate C's length, laid flat.
  c.DrawLine(100, 12, 3900, 12);
  c.DrawLine(100, 1921.188, 3900, 1921.188);
  c.DrawLine(100, 2982.633, 3900, 2982.633);
  c.DrawLine(100, 12, 100, 2982.633);
  c.DrawLine(3900, 12, 3900, 2982.633);

  c.PlaceText(1900, 92, "D2");
  c.PlaceText(1900, 1771.188, "C1");
  c.PlaceText(1900, 2001.188, "B1");
  c.PlaceText(1900, 2835.633, "A2");

  for (const double x : {10.0, 3930.0}) {
    c.PlaceText(x, 1200, "b");
    c.PlaceText(x, 1300, "a");
    c.PlaceText(x, 1400, "s");
    c.PlaceText(x, 1500, "e");
  }
}

}  // namespace GRAPH1
