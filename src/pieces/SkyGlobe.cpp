#include "pieces/SkyGlobe.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "drawing/AngleConstants.h"
#include "pieces/RealRange.h"

namespace GRAPH1 {

namespace {

// Keeps the sampled points off the zenith, where the azimuth is undefined.
constexpr double epsilon = kTolerance;

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

// The cosine and sine of one angle, worked out once for every point that
// shares it: along a declination circle the declination and the latitude
// stay, along an hour circle the hour angle and the latitude.
struct CosSin {
  double c, s;
  explicit CosSin(double radians) : c(std::cos(radians)), s(std::sin(radians)) {}
};

// `t` is the hour angle in radians and `ht` its absolute value's cosine and sine.
Horizontal ToHorizontal(const CosSin& p, double t, const CosSin& ht, const CosSin& phi) {
  const double a1 = p.c * ht.s;
  const double a2 = p.c * ht.c * phi.s;
  const double a3 = p.s * phi.c;
  double A = std::atan(a1 / (a2 - a3));
  if (A < 0) A = Pi + A;
  if (t < 0) A = -A;
  // Next to the zenith the sine may round a hair above 1.
  const double h = std::asin(std::clamp(p.c * ht.c * phi.c + p.s * phi.s, -1.0, 1.0));
  return {A, h};
}

}  // namespace

Horizontal EquatorialToHorizontal(double p, double m, double phiG) {
  constexpr double r = RadPerDeg;  // degrees to radians
  const double t = m * r;
  return ToHorizontal(CosSin(p * r), t, CosSin(std::fabs(t)), CosSin(phiG * r));
}

void DrawSkyGlobe(Canvas& c, const SkyGlobe& g) {
  constexpr double r = RadPerDeg;  // degrees to radians
  const double rho = g.rotationDeg * r;
  const CosSin phi(g.phiG * r);
  const auto draw = [&](Trace& trace, Horizontal at) {
    if (!(at.h >= 0)) return;
    const double ch = std::cos(at.h);
    trace.To(g.xc + g.radius * ch * std::sin(at.A + rho),
             g.yc + g.radius * ch * std::cos(at.A + rho));
  };
  const double lowest = -(90 - g.phiG) + epsilon;  // the southernmost circle that rises

  // Every declination circle passes the same hour angles, every hour circle
  // the same declinations: their sines and cosines are worked out once.
  struct HourAngle {
    double t;
    CosSin abs;
  };
  std::vector<HourAngle> hours;
  ForEachStep(-180 + epsilon, 180 + epsilon, g.pointSpacing, [&](double m, long) {
    const double t = m * r;
    hours.push_back({t, CosSin(std::fabs(t))});
  });
  std::vector<CosSin> declinations;
  ForEachStep(90 - epsilon, lowest, -g.pointSpacing,
              [&](double p, long) { declinations.emplace_back(p * r); });

  // Declination circles. A circumpolar circle closes on its lower
  // culmination, due north at altitude p + phiG - 90.
  const std::size_t last = hours.size() - 1;
  ForEachStep(lowest, 90 - epsilon, g.circleSpacing, [&](double p, long) {
    Trace trace(c);
    const CosSin declination(p * r);
    for (std::size_t j = 0; j <= last; ++j) {
      Horizontal at = ToHorizontal(declination, hours[j].t, hours[j].abs, phi);
      if ((j == 0 || j == last) && p >= 90 - g.phiG) at = {180 * r, (p + g.phiG - 90) * r};
      draw(trace, at);
    }
  });

  c.PlotPoint(g.xc - g.radius * std::cos((90 - g.phiG) * r) * std::sin(rho),
              g.yc - g.radius * std::cos((90 - g.phiG) * r) * std::cos(rho));

  ForEachStep(-180 + epsilon, 180 + epsilon, g.circleSpacing, [&](double m, long) {
    Trace trace(c);
    const double t = m * r;
    const CosSin hour(std::fabs(t));
    for (const CosSin& declination : declinations)
      draw(trace, ToHorizontal(declination, t, hour, phi));
  });

  Trace horizon(c);
  ForEachStep(0, 360, 5, [&](double a, long) {
    horizon.To(g.xc + g.radius * std::cos(a * r), g.yc + g.radius * std::sin(a * r));
  });
}

}  // namespace GRAPH1
