#include "booklet/ReadingTable.h"

#include <QTime>
#include <cmath>

#include "shadow/ShadowAtInstant.h"
#include "shadow/ShadowWords.h"

namespace {

constexpr qint64 kHourMs = 3600 * 1000LL;

// The clock time at which the Sun stands on temporary hour `line` that day:
// the line's hour angle is (line - 6) / 6 of the day's semi-diurnal arc; the
// clock keeps mean time, less the day's delta, plus summer time.
QString LineClockTime(const ShadowReading& noon, int line) {
  const double arc = noon.semiDiurnalArcDeg;
  if (arc <= 0) return QStringLiteral("—");  // the Sun never rises
  const double hourAngleDeg = (line - 6) / 6.0 * arc;
  const qint64 tsvl = 12 * kHourMs + std::llround(hourAngleDeg / 15 * kHourMs);
  const qint64 clock = tsvl - std::llround(noon.deltaMinutes * 60000) +
                       qint64(noon.summerMinutes + noon.zoneShiftMinutes) * 60000;
  return MinuteText(clock);
}

}  // namespace

std::vector<ReadingRow> ReadingTable(const CheckedProject& project, int year) {
  const HourSystem hours = project.project.hours;
  std::vector<ReadingRow> rows;
  for (int month = 1; month <= 12; ++month) {
    for (int day : {1, 15}) {
      ReadingRow row;
      row.date = QDate(year, month, day);
      // Delta and summer time hold for the whole day; noon is never a clock
      // time a zone skips.
      const ShadowOutcome noon = ShadowAt({project, row.date, QTime(12, 0)});
      if (noon.reading) {
        row.summerMinutes = noon.reading->summerMinutes;
        row.minutesToAdd = MinutesToAdd(*noon.reading);
      }
      if (hours == HourSystem::Temporary) {
        for (int line = kFirstTemporaryLine; line <= kLastTemporaryLine; ++line)
          row.lineClockTimes.push_back(noon.reading ? LineClockTime(*noon.reading, line)
                                                    : QStringLiteral("—"));
      }
      rows.push_back(std::move(row));
    }
  }
  return rows;
}

int MinutesToAdd(const ShadowReading& r) {
  return int(std::lround(r.summerMinutes + r.zoneShiftMinutes - r.deltaMinutes));
}

QString SignedMinutesText(int minutes) {
  if (minutes == 0) return QStringLiteral("0 min");
  return (minutes > 0 ? QStringLiteral("+") : QStringLiteral("−")) +
         QStringLiteral("%1 min").arg(std::abs(minutes));
}
