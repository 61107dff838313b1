#include "pieces/SkyGlobe.h"

#include <algorithm>
#include <cmath>

#include "drawing/AngleConstants.h"
#include "pieces/RealRange.h"

namespace GRAPH1 {

namespace {

// Keeps the sampled points off the zenith, where the azimuth is undefined.
constexpr double epsilon = 0.000001;

// A polyline that joins each visible point to the last visible one.
class Trace {
 public:
  explicit Trace(Canvas& canvas) : canvas_(canvas) {}
  void To(double x, double y) {
    if (started_) canvas_.DrawLine(px_, py_, x, y);
    started_ = true;
    px_ = x;
    py_ = y;
  }

 private:
  Canvas& canvas_;
  bool started_ = false;
  double px_ = 0, py_ = 0;
};

}  // namespace

Horizontal EquatorialToHorizontal(double p, double m, double phiG, double r) {
  const double t = m * r;
  const double cp = std::cos(p * r), sp = std::sin(p * r);
  const double cf = std::cos(phiG * r), sf = std::sin(phiG * r);
  const double a1 = cp * std::sin(std::fabs(t));
  const double a2 = cp * std::cos(std::fabs(t)) * sf;
  const double a3 = sp * cf;
  double A = std::atan(a1 / (a2 - a3));
  if (A < 0) A = Pi + A;
  if (t < 0) A = -A;
  // Next to the zenith the sine may round a hair above 1.
  const double h = std::asin(std::clamp(cp * std::cos(std::fabs(t)) * cf + sp * sf, -1.0, 1.0));
  return {A, h};
}

void DrawSkyGlobe(Canvas& c, const SkyGlobe& g, double r) {
  const double rho = g.rotationDeg * r;
  const auto draw = [&](Trace& trace, Horizontal at) {
    if (!(at.h >= 0)) return;
    trace.To(g.xc + g.radius * std::cos(at.h) * std::sin(at.A + rho),
             g.yc + g.radius * std::cos(at.h) * std::cos(at.A + rho));
  };
  const double lowest = -(90 - g.phiG) + epsilon;  // the southernmost circle that rises

  // Declination circles. A circumpolar circle closes on its lower
  // culmination, due north at altitude p + phiG - 90.
  const long last = StepCount(-180 + epsilon, 180 + epsilon, g.pointSpacing) - 1;
  ForEachStep(lowest, 90 - epsilon, g.circleSpacing, [&](double p, long) {
    Trace trace(c);
    ForEachStep(-180 + epsilon, 180 + epsilon, g.pointSpacing, [&](double m, long j) {
      Horizontal at = EquatorialToHorizontal(p, m, g.phiG, r);
      if ((j == 0 || j == last) && p >= 90 - g.phiG) at = {180 * r, (p + g.phiG - 90) * r};
      draw(trace, at);
    });
  });

  c.PlotPoint(g.xc - g.radius * std::cos((90 - g.phiG) * r) * std::sin(rho),
              g.yc - g.radius * std::cos((90 - g.phiG) * r) * std::cos(rho));

  ForEachStep(-180 + epsilon, 180 + epsilon, g.circleSpacing, [&](double m, long) {
    Trace trace(c);
    ForEachStep(90 - epsilon, lowest, -g.pointSpacing,
                [&](double p, long) { draw(trace, EquatorialToHorizontal(p, m, g.phiG, r)); });
  });

  Trace horizon(c);
  ForEachStep(0, 360, 5, [&](double a, long) {
    horizon.To(g.xc + g.radius * std::cos(a * r), g.yc + g.radius * std::sin(a * r));
  });
}

}  // namespace GRAPH1
