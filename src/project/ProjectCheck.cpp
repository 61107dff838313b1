#include "project/ProjectCheck.h"

#include <QTimeZone>

#include "drawing/ShownValue.h"

namespace {

// What the Parts' checks leave unsaid: the zone of the clocks, the booklet's year.
QString ClockAndYearReason(const Project& project) {
  const QString& zone = project.site.zone;
  if (!zone.isEmpty() && !QTimeZone(zone.toUtf8()).isValid())
    return Checks::tr("fuso %1: fuso orario sconosciuto").arg(ShownValue(zone));
  if (project.year != 0 && (project.year < 1970 || project.year > 2100))
    return Checks::tr("anno %1: fuori dall'intervallo 1970 … 2100").arg(project.year);
  return QString();
}

}  // namespace

ProjectVerdict CheckProject(const Project& project, const std::vector<SheetRule>& sheets,
                            const QLocale& locale) {
  const InputState inputs = project.Inputs();
  std::optional<DrawingParameters> parameters = CheckInputs(inputs, {}, locale);
  for (const SheetRule& sheet : sheets) {
    if (!parameters) break;
    if (sheet.accepts && !sheet.accepts(*parameters))
      return {std::nullopt, RefusalText(inputs, sheet.refusal, locale)};
  }
  if (!parameters) return {std::nullopt, RefusalText(inputs, NotForThisPiece(), locale)};
  if (QString reason = ClockAndYearReason(project); !reason.isEmpty())
    return {std::nullopt, reason};
  return {CheckedProject{project, *parameters}, QString()};
}

CheckedProject ProjectOfSite(const DrawingParameters& site, HourSystem hours, const QString& zone) {
  Project project;
  project.site = {QString(), BoxText(site.Latitude), BoxText(site.LongitudeOffset), zone, {}, {}};
  project.hours = hours;
  project.dates = site.DateSpacing;
  return {project, site};
}
