#pragma once

// The shadow on plate C, the dial plate leaning at `PlateInclination` degrees.
// The plate is 2600 drawing units long, from its top edge (y = 125, where a
// Sun on the horizon casts its shadow) to its bottom edge (y = 2725, the Sun
// in the zenith); day i of the table stands at x = 250 + i * DayStep.
struct PlateGeometry {
  // `radPerDeg` is the drawing's own Pi / 180.
  PlateGeometry(double plateInclination, double radPerDeg);

  double PlateInclination;  // degrees from the horizontal
  double RadPerDeg;
  double ShadowBase;        // 2600 * cos(inclination): horizontal reach of the plate
  double DayStep;           // 3500 / 365 drawing units between consecutive days
};

// Moves a latitude lying on a tropic (+-23.45 within 1e-6) to +-23.45001, so
// that no day of the table puts the Sun exactly in the zenith at noon.
void AdjustSolsticeLatitude(double& latitudeDeg);

// The Sun's altitude, radians, for latitude `latitudeDeg` (north positive),
// declination `declinationDeg` and hour angle `hourAngleDeg` from local noon.
// When the declination equals the latitude within 1e-6 (the Sun in the
// zenith at noon) the latitude moves 0.0001 deg away from the equator; the
// moved latitude stays in force for the caller's later evaluations.
double SunAltitude(double& latitudeDeg, double declinationDeg, double hourAngleDeg,
                   const PlateGeometry& plate);

struct PlatePoint {
  double x, y;  // drawing units
};

// Where the shadow of a Sun at altitude `altitudeRad` falls on day `dayIndex`.
PlatePoint PointOnPlate(double altitudeRad, int dayIndex, const PlateGeometry& plate);

struct Shadow {
  double h;  // altitude, radians
  double x, y;
};

// The Sun's altitude and its shadow point for one day and one hour angle.
Shadow ShadowPoint(double& latitudeDeg, double declinationDeg, double hourAngleDeg, int dayIndex,
                   const PlateGeometry& plate);
