#pragma once

#include "solar/InstrumentFrame.h"

// The shadow on plate C, the dial plate leaning at `PlateInclination` degrees.
// The plate runs from its top edge, where a Sun on the horizon casts its
// shadow, to its bottom edge, the Sun in the zenith; day i of the table stands
// at x = kDialLeft + i * DayStep.

// The latitude of the tropics, degrees: the Sun's greatest declination in
// the table, and the obliquity that bounds the polar circles.
inline constexpr double kSolsticeLatitude = 23.45;

struct PlateGeometry {
  // `radPerDeg` is the drawing's own Pi / 180.
  PlateGeometry(double plateInclination, double radPerDeg);

  double PlateInclination;  // degrees from the horizontal
  double RadPerDeg;
  double ShadowBase;  // kPlateLength * cos(inclination): horizontal reach of the plate
  double DayStep;     // (kDialRight - kDialLeft) / 365 drawing units between days
};

// A latitude lying on a tropic (+-23.45 within 1e-6) moved to +-23.45001, so
// that no day of the table puts the Sun exactly in the zenith at noon.
double SolsticeAdjustedLatitude(double latitudeDeg);

// The zenith guard: when the declination equals the latitude within 1e-6 (the
// Sun in the zenith at noon) the latitude moved 0.0001 deg away from the
// equator, else the latitude as it is. A drawing keeps the moved latitude for
// the rest of its rows.
double ZenithGuardedLatitude(double latitudeDeg, double declinationDeg);

// The Sun's altitude, radians, for latitude `latitudeDeg` (north positive),
// declination `declinationDeg` and hour angle `hourAngleDeg` from local noon.
double SunAltitude(double latitudeDeg, double declinationDeg, double hourAngleDeg,
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
Shadow ShadowPoint(double latitudeDeg, double declinationDeg, double hourAngleDeg, int dayIndex,
                   const PlateGeometry& plate);

// The semi-diurnal arc, degrees: the hour angle from local noon to sunset,
// arccos(-tan(declination) tan(latitude)), as plate C with temporary hours
// reckons it. Inside a polar circle the product is clamped: 180 for a day
// the Sun never sets, 0 for one it never rises.
double SemiDiurnalArcDeg(double latitudeDeg, double declinationDeg, const PlateGeometry& plate);
