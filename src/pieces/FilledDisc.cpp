#include "pieces/FilledDisc.h"

#include <cmath>

#include "drawing/AngleConstants.h"
#include "pieces/RealRange.h"

namespace GRAPH1 {

void DrawFilledDisc(Canvas& c, double xc, double yc, double radius, Colour colour) {
  ForEachStep(xc - radius, xc + radius, 1, [&](double x, long) {
    double s = radius * radius - (xc - x) * (xc - x);
    // At the left and right ends the half-chord may round below zero.
    if (std::fabs(s) < kTolerance) s = 0;
    s = std::sqrt(s);
    c.DrawLine(x, yc + s, x, yc - s, colour);
  });
}

}  // namespace GRAPH1
