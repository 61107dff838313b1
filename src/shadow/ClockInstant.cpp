#include "shadow/ClockInstant.h"

#include <algorithm>
#include <vector>

#include "place/ZoneMeridian.h"

ClockReading ClockNow(const QString& zone) {
  const QDateTime now = QDateTime::currentDateTime().toTimeZone(
      ZoneNamed(zone).value_or(QTimeZone::systemTimeZone()));
  return {now.date(), QTime(now.time().hour(), now.time().minute())};
}

ClockInstant ResolveClockTime(const QTimeZone& zone, QDate date, QTime time) {
  // The wall-clock reading as if it were UTC; every offset the zone uses in
  // two days around it is tried, and an instant counts when the zone really
  // has that offset then. Transitions are never closer than that.
  const qint64 wall = QDateTime(date, time, QTimeZone::utc()).toMSecsSinceEpoch();
  constexpr qint64 kWindow = 2 * 86400 * 1000LL;
  const auto at = [](qint64 ms) { return QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc()); };
  std::vector<int> offsets = {zone.offsetFromUtc(at(wall - kWindow))};
  for (const QTimeZone::OffsetData& t : zone.transitions(at(wall - kWindow), at(wall + kWindow)))
    offsets.push_back(t.offsetFromUtc);
  const int before = offsets.front(), after = zone.offsetFromUtc(at(wall + kWindow));

  std::vector<std::pair<qint64, int>> found;  // instant, offset
  for (const int offset : offsets) {
    const qint64 instant = wall - offset * 1000LL;
    if (zone.offsetFromUtc(at(instant)) == offset &&
        std::none_of(found.begin(), found.end(), [&](const auto& f) { return f.first == instant; }))
      found.emplace_back(instant, offset);
  }
  ClockInstant result;
  result.jumpSeconds = after - before;
  if (found.empty()) {
    result.kind = ClockInstant::Skipped;
    return result;
  }
  std::sort(found.begin(), found.end());
  result.kind = found.size() > 1 ? ClockInstant::Repeated : ClockInstant::Once;
  if (result.kind == ClockInstant::Repeated)
    result.jumpSeconds = found.front().second - found.back().second;
  result.utc = at(found.front().first);
  result.offsetSeconds = found.front().second;
  return result;
}
