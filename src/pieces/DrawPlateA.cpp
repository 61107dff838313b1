#include <cmath>
#include <string>

#include "drawing/AngleConstants.h"
#include "drawing/NumberText.h"
#include "pieces/KitWords.h"
#include "pieces/FilledDisc.h"
#include "pieces/PieceBodies.h"
#include "pieces/LatticePlate.h"
#include "pieces/RealRange.h"
#include "pieces/SkyGlobe.h"

namespace GRAPH1 {

namespace {

LatticePlate PlateAFrame() {
  const double H = 2122.891 - 100;  // the plate's outer height less twice the margin
  return {1500 - H / 2, 1500 + H / 2};
}

// The latitude as the box writes it: a blank, the number, the degree sign.
// A whole number keeps the blanks of a written number: "  45 °".
std::string LatitudeValueText(double v) {
  const std::string number = v - std::floor(v) > 0.0001
                                 ? DecimalPatternText(v)
                                 : WholeNumberText(static_cast<long long>(std::floor(v)));
  return " " + number + "°";
}

// The box over the lowest three rows of the lattice's middle that states the
// site's latitude and hemisphere.
void DrawLatitudeBox(Canvas& c, const LatticePlate& plate, double phi) {
  const double cx = plate.cx(), cy = plate.cy(), dx = plate.dx(), dy = plate.dy();
  ForEachStep(cx - 2 * dx, cx + 2 * dx, 1,
              [&](double x, long) { c.DrawLine(x, cy + 9 * dy, x, cy + 12 * dy, Colour::White); });
  c.DrawLine(cx - 2 * dx, cy + 9 * dy, cx + 2 * dx, cy + 9 * dy);
  c.DrawLine(cx - 2 * dx, cy + 9 * dy, cx - 2 * dx, cy + 12 * dy);
  c.DrawLine(cx + 2 * dx, cy + 9 * dy, cx + 2 * dx, cy + 12 * dy);
  c.DrawLine(cx - 2 * dx, cy + 12 * dy, cx + 2 * dx, cy + 12 * dy);
  c.PlaceText(cx - 1.4 * dx, cy + 9.5 * dy, Drawn(KitWords::tr(" LATITUDINE")));
  const double row = cy + 10.75 * dy;
  if (phi > 0) {
    c.PlaceText(cx - 1.75 * dx, row, LatitudeValueText(phi));
    c.PlaceText(cx + 0.25 * dx, row, Drawn(KitWords::tr("NORD")));
  }
  if (phi < 0) {
    c.PlaceText(cx - 1.75 * dx, row, LatitudeValueText(-phi));
    c.PlaceText(cx + 0.25 * dx, row, Drawn(KitWords::tr("SUD")));
  }
  if (phi == 0) c.PlaceText(cx - 1.3 * dx, row, Drawn(KitWords::tr("EQUATORE")));
}

// A circle of radius `radius`: each point set, then joined to the previous.
void DrawPointedCircle(Canvas& c, double xc, double yc, double radius) {
  constexpr double r = RadPerDeg;  // degrees to radians
  double px = 0, py = 0;
  ForEachStep(0, 360, 1, [&](double a, long j) {
    const double x = xc + radius * std::cos(a * r), y = yc - radius * std::sin(a * r);
    c.PlotPoint(x, y);
    if (j > 0) c.DrawLine(px, py, x, y);
    px = x;
    py = y;
  });
}

// Eight star points at `first`, `first` + 45, ...: nine passes, the ninth
// repeating the first. Each point is a fan of lines from its tip to an arc of
// the inner circle, solid on the side of smaller angles, white with a solid
// outline on the other.
void DrawStarPoints(Canvas& c, double xc, double yc, double tipRadius, double arcRadius,
                    double first) {
  constexpr double r = RadPerDeg;  // degrees to radians
  ForEachStep(first, first + 360, 45, [&](double a, long) {
    const double tx = xc + tipRadius * std::cos(a * r), ty = yc - tipRadius * std::sin(a * r);
    c.PlotPoint(tx, ty);
    const auto ray = [&](double b, Colour colour) {
      c.DrawLine(tx, ty, xc + arcRadius * std::cos(b * r), yc - arcRadius * std::sin(b * r),
                 colour);
    };
    ForEachStep(a - 22.5, a, 0.01, [&](double b, long) { ray(b, Colour::Foreground); });
    ForEachStep(a, a + 22.5, 0.01, [&](double b, long) { ray(b, Colour::White); });
    ForEachStep(a, a + 22.5, 22.5, [&](double b, long) { ray(b, Colour::Foreground); });
  });
}

// One disc of plate A: a grey disc with a sixteen-point star, and inside it
// a white disc holding a small sky globe turned by `rotationDeg`.
void DrawRoseDisc(Canvas& c, const LatticePlate& plate, double xc, double rotationDeg) {
  const double N = LatticePlate::N;
  const double cy = plate.cy();
  const double R = (1956.467 - 100) * (N - 2) / 2 / N;
  const double f = 15.0 / 16;  // the intermediate points are shorter
  const double rInner = R * 7 / 16;

  DrawFilledDisc(c, xc, cy, R, Colour::LightGrey);
  DrawPointedCircle(c, xc, cy, R);
  DrawStarPoints(c, xc, cy, R * f, rInner * f, 22.5);
  DrawStarPoints(c, xc, cy, R, rInner, 0);
  ForEachStep(xc - rInner, xc + rInner, 1, [&](double x, long) {
    const double s = std::sqrt(rInner * rInner - ((xc - x) - 0.00000001) * ((xc - x) - 0.00000001));
    c.DrawLine(x, cy + s, x, cy - s, Colour::White);
  });
  DrawPointedCircle(c, xc, cy, rInner);
  DrawSkyGlobe(c, {xc, cy, rInner, rotationDeg, 7.5, 2.5});
}

}  // namespace

PieceCut PlateACut(const DrawingParameters&) { return LatticePlateCut(PlateAFrame()); }

// Plate A: the lattice, a box with the site's latitude and hemisphere, and
// two star discs whose sky globes mirror each other.
void PlateABody(Canvas& c, const DrawingParameters& parameters) {
  const LatticePlate plate = PlateAFrame();
  DrawLatticePlate(c, plate);
  DrawPlateLetters(c, plate, "A", "A1", "A2", 1970);
  DrawLatitudeBox(c, plate, parameters.Latitude);
  DrawRoseDisc(c, plate, plate.cx() - 6 * plate.dx(), 45);
  DrawRoseDisc(c, plate, plate.cx() + 6 * plate.dx(), -45);
}

}  // namespace GRAPH1
