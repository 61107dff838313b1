#include "shadow/ShadowAtInstant.h"

#include <QCoreApplication>

#include <cmath>

#include "drawing/AngleConstants.h"
#include "drawing/DrawingUnits.h"
#include "drawing/ShownValue.h"
#include "place/SiteOffset.h"
#include "place/ZoneMeridian.h"
#include "shadow/ClockInstant.h"
#include "solar/DayTable.h"
#include "solar/DeltaChart.h"
#include "solar/Sexagesimal.h"

namespace {

constexpr qint64 kDayMs = 86400 * 1000LL;

QString DateText(QDate date) { return date.toString(QStringLiteral("dd/MM/yyyy")); }

}  // namespace

double PlateCLatitude(double latitudeDeg) {
  double phi = SolsticeAdjustedLatitude(latitudeDeg);
  for (const DayRow& row : DayTable)
    phi = ZenithGuardedLatitude(phi, SexagesimalToDecimal(row.Declination));
  return phi;
}

double MillimetresBelowTop(double y) { return DrawingUnits::MillimetresDown(y - kPlateTop); }

ShadowOutcome ShadowAt(const ShadowQuery& query) {
  const QString clockText = query.clock.toString(QStringLiteral("HH:mm"));
  if (!query.date.isValid() || !query.clock.isValid())
    return {std::nullopt, QCoreApplication::translate("ShadowText", "data od ora non valida")};
  const QString zoneId = query.zone();  // the system's is looked up once
  const std::optional<QTimeZone> zone = ZoneNamed(zoneId);
  const std::optional<double> meridian = zone ? ZoneMeridianDeg(zoneId, query.date) : std::nullopt;
  if (!meridian)
    return {std::nullopt, QCoreApplication::translate("ShadowText", "fuso orario sconosciuto: %1")
                              .arg(ShownValue(zoneId))};

  const ClockInstant instant = ResolveClockTime(*zone, query.date, query.clock);
  if (instant.kind == ClockInstant::Skipped) {
    return {std::nullopt, QCoreApplication::translate("ShadowText",
                                                      "le %1 del %2 non esistono nel fuso %3: "
                                                      "l'orologio salta avanti di %4 minuti")
                              .arg(clockText, DateText(query.date), zoneId,
                                   QString::number(instant.jumpSeconds / 60))};
  }

  ShadowReading r;
  r.query = query;
  r.repeatedHour = instant.kind == ClockInstant::Repeated;
  const int meridianSeconds = int(std::lround(*meridian * 240));  // 15 degrees an hour
  r.summerMinutes = (instant.offsetSeconds - meridianSeconds) / 60;
  // A site far from its zone's meridian is drawn for one whole hours away.
  r.meridianDeg = query.project.project.site.meridian.value_or(*meridian);
  r.zoneShiftMinutes = ZoneShiftMinutes(*meridian, r.meridianDeg);
  const int clockAhead = instant.offsetSeconds - meridianSeconds + r.zoneShiftMinutes * 60;
  r.tmfMs = query.clock.msecsSinceStartOfDay() - clockAhead * 1000LL;

  r.row = DayIndexOf(query.date.month(), query.date.day());
  const DayRow& day = DayTable[std::size_t(r.row)];
  r.deltaMinutes =
      DeltaChart::Delta(SexagesimalToDecimal(day.EquationOfTime), query.site().LongitudeOffset);
  r.tsvlMs = r.tmfMs + std::llround(r.deltaMinutes * 60000);
  const qint64 timeOfDay = ((r.tsvlMs % kDayMs) + kDayMs) % kDayMs;
  r.hourAngleDeg = (double(timeOfDay) / 3600000.0 - 12) * 15;

  const PlateGeometry plate(kPlateInclinationDeg, GRAPH1::RadPerDeg);
  const double phi = PlateCLatitude(query.site().Latitude);
  const double delta = SexagesimalToDecimal(day.Declination);
  const Shadow s = ShadowPoint(phi, delta, r.hourAngleDeg, r.row, plate);
  r.altitudeDeg = s.h * GRAPH1::DegPerRad;
  r.semiDiurnalArcDeg = SemiDiurnalArcDeg(phi, delta, plate);
  if (s.h >= 0) {
    r.shadow = PlatePoint{s.x, s.y};
    if (query.hours() == HourSystem::Temporary && r.semiDiurnalArcDeg > 0)
      r.temporaryHour = 6 + 6 * r.hourAngleDeg / r.semiDiurnalArcDeg;
  }
  return {r, {}};
}
