#include <cmath>
#include <string>

#include "drawing/AngleConstants.h"
#include "pieces/FilledDisc.h"
#include "pieces/PieceBodies.h"
#include "pieces/LatticePlate.h"
#include "pieces/RealRange.h"
#include "pieces/SkyGlobe.h"

namespace GRAPH1 {

namespace {

LatticePlate PlateDFrame() {
  const double Hd = 1909.188;  // the plate's outer height
  return {1500 - (Hd - 100) / 2, (Hd - 100) / 2 + 1500};
}

// The white cartouche near the disc's lower edge: an upper box on a wider
// lower one, cleared, then outlined.
void DrawCartouche(Canvas& c) {
  ForEachStep(1820, 2140, 1, [&](double x, long) { c.DrawLine(x, 1820, x, 2030, Colour::White); });
  ForEachStep(1565, 2410, 1, [&](double x, long) { c.DrawLine(x, 2030, x, 2150, Colour::White); });
  c.DrawLine(1820, 1820, 1820, 2030);
  c.DrawLine(1820, 1820, 2140, 1820);
  c.DrawLine(2140, 1820, 2140, 2030);
  c.DrawLine(2140, 2030, 2410, 2030);
  c.DrawLine(2410, 2030, 2410, 2150);
  c.DrawLine(1565, 2150, 2410, 2150);
  c.DrawLine(1565, 2150, 1565, 2030);
  c.DrawLine(1565, 2030, 1820, 2030);
}

// The emblem: a "Q" whose open ring (16 points 18 degrees apart, from due
// east round to due south) holds a dial plate leaning at 45 degrees against an
// upright one, standing on a base that runs out into the letter's tail.
void DrawEmblem(Canvas& c, double Lx, double Ly, double r) {
  double px = 0, py = 0;
  for (int k = 0; k < 16; ++k) {
    const double a = 18.0 * k * RadPerDeg;
    const double x = Lx + r * std::cos(a), y = Ly - r * std::sin(a);
    c.PlotPoint(x, y);
    if (k > 0) c.DrawLine(px, py, x, y);
    px = x;
    py = y;
  }
  const double reach = (1 + std::sqrt(2.0)) * r - 5;  // the tail's end, right of the centre
  c.DrawLine(Lx, Ly, Lx + r, Ly + r);
  c.DrawLine(Lx + r, Ly, Lx + r, Ly + r);
  c.DrawLine(Lx, Ly + r, Lx + reach, Ly + r);
  c.DrawLine(Lx + r, Ly + r, Lx + reach, Ly + r - (reach - r));
}

}  // namespace

PieceCut PlateDCut(const DrawingParameters&) { return LatticePlateCut(PlateDFrame()); }

// Plate D: the lattice, a white disc with the sky globe for latitude 60
// degrees, and the cartouche with the emblem in relief and the author's name.
void PlateDBody(Canvas& c, const DrawingParameters&) {
  const LatticePlate plate = PlateDFrame();
  DrawLatticePlate(c, plate);
  DrawPlateLetters(c, plate, "D", "D1", "D2", 1950);

  const double cx = plate.cx(), cy = plate.cy();
  const double R = 12 * plate.dy();  // the disc touches the lattice's top and bottom
  DrawFilledDisc(c, cx, cy, R, Colour::White);
  DrawSkyGlobe(c, {cx, cy, R, 0, 3, 1});

  DrawCartouche(c);
  // 467 copies swept up and to the left make the emblem stand in relief.
  const double Lx = 1950, Ly = 1950, r = 70;
  ForEachStep(0, r / 3, 0.05, [&](double o, long) { DrawEmblem(c, Lx - o, Ly - o, r); });
  c.PlaceText(Lx - 280, Ly + 110, "ORBELAN", Colour::Yellow);
}

}  // namespace GRAPH1
