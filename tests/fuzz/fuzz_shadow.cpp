// The shadow at an instant and the booklet's words built on it: a site, a
// zone, a date and a clock time in, a reading or its refusal out, never a
// crash. The input is six fields split at zero bytes: latitude, offset,
// zone, "YYYY-MM-DD", "HH:MM", and "t" for temporary hours.
#include <QGuiApplication>
#include <QStringList>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "booklet/Booklet.h"
#include "booklet/BookletTexts.h"
#include "booklet/ReadingTable.h"
#include "drawing/Checks.h"
#include "shadow/ShadowAtInstant.h"
#include "shadow/ShadowOverlay.h"
#include "shadow/ShadowWords.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "fuzz_shadow";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QStringList fields;
  for (const QByteArray& part :
       QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\0'))
    fields << QString::fromUtf8(part);
  while (fields.size() < 6) fields << QString();
  // The site as the checks accept it, or nothing to do.
  const auto site = CheckInputs({fields[0], fields[1], false, true});
  if (!site) return 0;
  const HourSystem hours = fields[5] == "t" ? HourSystem::Temporary : HourSystem::Astronomical;
  const QDate date = QDate::fromString(fields[3], QStringLiteral("yyyy-MM-dd"));
  const QTime clock = QTime::fromString(fields[4], QStringLiteral("HH:mm"));
  const ShadowOutcome outcome = ShadowAt({ProjectOfSite(*site, hours, fields[2]), date, clock});
  if (!outcome.reading) {
    if (outcome.problem.isEmpty()) std::abort();  // a refusal says why
    return 0;
  }
  const ShadowReading& r = *outcome.reading;
  if (!std::isfinite(r.deltaMinutes) || !std::isfinite(r.altitudeDeg)) std::abort();
  if (r.SunUp() != (r.altitudeDeg >= 0)) std::abort();
  if (r.temporaryHour && !(*r.temporaryHour > -1e-6 && *r.temporaryHour < 12 + 1e-6)) std::abort();
  if (ShadowSentence(r, false, QLocale::c()).isEmpty()) std::abort();
  const ShadowMarks marks = ShadowMarksFor(r, r.row % 2 == 0);
  if (!ShadowMarksSvg(marks).endsWith(QStringLiteral("</g>\n"))) std::abort();
  // The booklet's words for the date's year, from the same computation.
  if (date.year() >= 1970 && date.year() <= 2100) {
    CheckedProject booklet = ProjectOfSite(*site, hours, fields[2]);
    booklet.project.site.town = fields[2].left(40);
    booklet.project.year = date.year();
    const auto rows = ReadingTable(booklet, date.year());
    if (rows.size() != 24) std::abort();
    if (UseHtml(booklet).isEmpty() || ReadingTableHtml(booklet).isEmpty()) std::abort();
  }
  return 0;
}
