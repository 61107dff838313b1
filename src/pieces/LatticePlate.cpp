#include "pieces/LatticePlate.h"

#include "pieces/Tab.h"

namespace GRAPH1 {

void DrawLatticePlate(Canvas& c, const LatticePlate& p) {
  const double top = p.yT - 50, bottom = p.yB + 50;
  c.DrawLine(100, top, 100, bottom);
  c.DrawLine(3900, top, 3900, bottom);
  c.DrawLine(100, top, 3900, top);
  c.DrawLine(100, bottom, 3900, bottom);

  const double dx = p.dx(), dy = p.dy();
  for (int i = 0; i <= LatticePlate::N; ++i) {
    for (int j = 0; j <= LatticePlate::N; ++j) {
      const double X = p.xL + i * (p.xR - p.xL) / LatticePlate::N;
      const double Y = p.yT + j * (p.yB - p.yT) / LatticePlate::N;
      c.DrawLine(p.xL, Y, p.xR, Y);
      c.DrawLine(X, p.yT, X, p.yB);
      if (i + 1 <= LatticePlate::N && j + 1 <= LatticePlate::N) {
        c.DrawLine(X, Y, X + dx, Y + dy);
        c.DrawLine(X + dx, Y, X, Y + dy);
      }
    }
  }

  // Tabs 250 deep above and below.
  DrawTab(c, {top, p.yT - 300}, {TabSide::LeftOut, TabSide::Far, TabSide::RightOut});
  DrawTab(c, {bottom, p.yB + 300}, {TabSide::RightOut, TabSide::Far, TabSide::LeftOut});
}

PieceCut LatticePlateCut(const LatticePlate& p) {
  const Tab above{p.yT - 50, p.yT - 300}, below{p.yB + 50, p.yB + 300};
  return TabbedPlateCut(above.edgeY, below.edgeY, &above, &below);
}

void DrawPlateLetters(Canvas& c, const LatticePlate& p, const char* letter, const char* upperTab,
                      const char* lowerTab, double tabNameX) {
  c.PlaceText(25, 1400, letter);
  c.PlaceText(3940, 1400, letter);
  c.PlaceText(tabNameX, p.yT - 210, upperTab);
  c.PlaceText(tabNameX, p.yB + 140, lowerTab);
}

}  // namespace GRAPH1
