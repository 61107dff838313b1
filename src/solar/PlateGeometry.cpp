#include "solar/PlateGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

PlateGeometry::PlateGeometry(double plateInclination, double radPerDeg)
    : PlateInclination(plateInclination),
      RadPerDeg(radPerDeg),
      ShadowBase(kPlateLength * std::cos(plateInclination * radPerDeg)),
      DayStep((kDialRight - kDialLeft) / 365.0) {}

double SolsticeAdjustedLatitude(double latitudeDeg) {
  if (std::fabs(latitudeDeg - kSolsticeLatitude) <= 0.000001) return 23.45001;
  if (std::fabs(latitudeDeg + kSolsticeLatitude) <= 0.000001) return -23.45001;
  return latitudeDeg;
}

double ZenithGuardedLatitude(double latitudeDeg, double declinationDeg) {
  // No table row has a declination of 0, so the latitude is not 0 when the
  // guard fires.
  if (std::fabs(latitudeDeg - declinationDeg) < 0.000001) {
    return latitudeDeg * (std::fabs(latitudeDeg) + 0.0001) / std::fabs(latitudeDeg);
  }
  return latitudeDeg;
}

double SunAltitude(double latitudeDeg, double declinationDeg, double hourAngleDeg,
                   const PlateGeometry& plate) {
  // A southern site is the northern site of the same latitude with the
  // declination reversed.
  const double delta = latitudeDeg < 0 ? -declinationDeg : declinationDeg;
  const double r = plate.RadPerDeg;
  const double phi = std::fabs(latitudeDeg) * r;
  const double a = std::cos(delta * r) * std::cos(std::fabs(hourAngleDeg) * r) * std::cos(phi);
  const double b = std::sin(delta * r) * std::sin(phi);
  // A latitude a hair outside the guard can round the sine a few units
  // above 1: keep it a sine.
  const double s = std::clamp(a + b, -1.0, 1.0);
  return std::asin(s);
}

PlatePoint PointOnPlate(double altitudeRad, int dayIndex, const PlateGeometry& plate) {
  // Law of sines in the triangle top edge - point above the bottom edge -
  // shadow point: d = base * sin h / sin(180 - inclination - h).
  const double x = kDialLeft + dayIndex * plate.DayStep;
  const double y =
      kPlateTop + plate.ShadowBase * std::sin(altitudeRad) /
                      std::sin((180 - plate.PlateInclination) * plate.RadPerDeg - altitudeRad);
  return {x, y};
}

Shadow ShadowPoint(double latitudeDeg, double declinationDeg, double hourAngleDeg, int dayIndex,
                   const PlateGeometry& plate) {
  const double h = SunAltitude(latitudeDeg, declinationDeg, hourAngleDeg, plate);
  const PlatePoint p = PointOnPlate(h, dayIndex, plate);
  return {h, p.x, p.y};
}

double SemiDiurnalArcDeg(double latitudeDeg, double declinationDeg, const PlateGeometry& plate) {
  // Worked on the magnitudes and mirrored by the signs, as the plate does:
  // at exactly +-66.55 the tangents may round the product a hair above 1.
  const double r = plate.RadPerDeg;
  const double p = std::clamp(
      std::tan(std::fabs(declinationDeg) * r) * std::tan(std::fabs(latitudeDeg) * r), 0.0, 1.0);
  double arc = 180 - std::acos(p) * (180 / std::numbers::pi);
  if (declinationDeg <= 0 && latitudeDeg >= 0) arc = 180 - arc;
  if (declinationDeg >= 0 && latitudeDeg <= 0) arc = 180 - arc;
  return arc;
}
