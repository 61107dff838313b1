#include "pieces/KitWords.h"
#include "pieces/PieceBodies.h"
#include "pieces/Tab.h"

namespace GRAPH1 {

namespace {

// The board's top and bottom edges; its sides are the plates' 100 and 3900.
constexpr double kBoardTop = 12, kBoardBottom = 2982.633;

}  // namespace

PieceCut BaseCut(const DrawingParameters&) {
  return TabbedPlateCut(kBoardTop, kBoardBottom, nullptr, nullptr);
}

// The base: the board the plates stand on, with the marks that say which tab
// of which plate goes along which line. The same for every site.
void BaseBody(Canvas& c, const DrawingParameters&) {
  // The upper field is 2700 * cos 45 deep: plate C's length, laid flat.
  c.DrawLine(100, kBoardTop, 3900, kBoardTop);
  c.DrawLine(100, 1921.188, 3900, 1921.188);
  c.DrawLine(100, kBoardBottom, 3900, kBoardBottom);
  c.DrawLine(100, kBoardTop, 100, kBoardBottom);
  c.DrawLine(3900, kBoardTop, 3900, kBoardBottom);

  c.PlaceText(1900, 92, "D2");
  c.PlaceText(1900, 1771.188, "C1");
  c.PlaceText(1900, 2001.188, "B1");
  c.PlaceText(1900, 2835.633, "A2");

  // The word down either side, a letter a row.
  const QString word = KitWords::tr("base");
  for (const double x : {10.0, 3930.0}) {
    for (qsizetype k = 0; k < word.size(); ++k)
      c.PlaceText(x, float(1200 + 100 * k), Drawn(word.mid(k, 1)));
  }
}

}  // namespace GRAPH1
