#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

#include "drawing/DrawingParameters.h"
#include "project/ProjectCheck.h"
#include "solar/PlateGeometry.h"

// The instrument at one instant: where the shadow falls on plate C and what
// the plates read, for a site as the checks accepted it and a clock time in
// a zone.
struct ShadowQuery {
  CheckedProject project;  // the site, the hour system, the zone whose clocks show `clock`
  QDate date;
  QTime clock;

  const DrawingParameters& site() const { return project.parameters; }
  HourSystem hours() const { return project.project.hours; }
  QString zone() const { return project.project.ClockZone(); }
};

struct ShadowReading {
  ShadowQuery query;
  bool repeatedHour = false;  // the clock time happens twice: this is the first
  int summerMinutes = 0;      // the clock's offset less the zone's meridian offset
  double meridianDeg = 0;     // the meridian the plates are drawn for, east positive
  int zoneShiftMinutes = 0;   // the zone's standard time less that meridian's mean time
  qint64 tmfMs = 0;           // mean time of that meridian, from the clock date's midnight
  int row = 0;                // of the day table
  double deltaMinutes = 0;    // plate B for that row
  qint64 tsvlMs = 0;          // local apparent time, from the same midnight
  double hourAngleDeg = 0;    // from local noon, negative before it
  double altitudeDeg = 0;
  double semiDiurnalArcDeg = 0;         // noon to sunset, as plate C reckons it
  std::optional<PlatePoint> shadow;     // on plate C; none with the Sun below the horizon
  std::optional<double> temporaryHour;  // temporary hours with the Sun up: 0 rise, 6 noon, 12 set

  bool SunUp() const { return shadow.has_value(); }
};

struct ShadowOutcome {
  std::optional<ShadowReading> reading;
  QString problem;  // in Italian, when there is no reading
};

ShadowOutcome ShadowAt(const ShadowQuery& query);

// The latitude plate C is computed with: the tropics moved off the solstice
// and, as the plate's walk over the year leaves it, off every day's zenith.
double PlateCLatitude(double latitudeDeg);

// The shadow's edge below the dial's top line on the true-scale print, mm.
double MillimetresBelowTop(double y);
