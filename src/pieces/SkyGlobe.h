#pragma once

#include "drawing/Canvas.h"

namespace GRAPH1 {

struct Horizontal {
  double A;  // azimuth, radians from the south, positive towards the west
  double h;  // altitude, radians
};

// The azimuth and altitude of a point of declination `p` at hour angle `m`
// (degrees) for the latitude `phiG` (degrees). Hour angles are taken as
// given, beyond +-180 too.
Horizontal EquatorialToHorizontal(double p, double m, double phiG);

// A small celestial sphere seen from the zenith: declination circles, a mark
// at the zenith distance of the pole, hour circles and the horizon, for the
// latitude phiG, turned by `rotationDeg`. Points below the horizon are
// skipped without breaking the line.
struct SkyGlobe {
  double xc, yc;  // centre
  double radius;  // the horizon's radius
  double rotationDeg;
  double circleSpacing;  // degrees between declination circles and between hour circles
  double pointSpacing;   // degrees between the points along a circle
  double phiG = 60;
};

void DrawSkyGlobe(Canvas& canvas, const SkyGlobe& globe);

}  // namespace GRAPH1
