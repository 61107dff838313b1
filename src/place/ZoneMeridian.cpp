#include "place/ZoneMeridian.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>
#include <algorithm>
#include <map>
#include <mutex>
#include <utility>

namespace {

// Whether the system's zone database has a file for `id`: its list of zones
// leaves out "Etc/UTC", "GMT" and "Etc/GMT-1", which are zones all the same.
bool InZoneDatabase(const QByteArray& id) {
  if (id.startsWith('/') || id.split('/').contains("..")) return false;
  const QByteArray tzdir =
      qEnvironmentVariableIsEmpty("TZDIR") ? QByteArray("/usr/share/zoneinfo") : qgetenv("TZDIR");
  return QFileInfo(QFile::decodeName(tzdir + '/' + id)).isFile();
}

// The smallest and largest offsets from UTC the zone keeps in `year`, seconds.
std::pair<int, int> OffsetsOfYear(const QTimeZone& zone, int year) {
  const QDateTime from(QDate(year, 1, 1), QTime(0, 0), QTimeZone::utc());
  const QDateTime to(QDate(year + 1, 1, 1), QTime(0, 0), QTimeZone::utc());
  int smallest = zone.offsetFromUtc(from), largest = smallest;
  for (const QTimeZone::OffsetData& t : zone.transitions(from, to)) {
    smallest = std::min(smallest, t.offsetFromUtc);
    largest = std::max(largest, t.offsetFromUtc);
  }
  return {smallest, largest};
}

}  // namespace

// The zone of that id: one of the database's ("Europe/Rome", "Etc/UTC",
// "GMT", "Etc/GMT-1"), or the system's own, whose id the database may list
// nowhere else. Qt alone would also read any word as a rule of POSIX TZ,
// "abc" a zone of UTC: not a zone a user names.
std::optional<QTimeZone> ZoneNamed(const QString& zone) {
  const QByteArray id = zone.toUtf8();
  if (id.isEmpty()) return std::nullopt;
  if (id == QTimeZone::systemTimeZoneId()) return QTimeZone::systemTimeZone();
  if (!InZoneDatabase(id) && !QTimeZone::isTimeZoneIdAvailable(id)) return std::nullopt;
  QTimeZone tz(id);
  if (!tz.isValid()) return std::nullopt;
  return tz;
}

bool KnownZone(const QString& zone) { return ZoneNamed(zone).has_value(); }

std::optional<double> ZoneMeridianDeg(const QString& zone, QDate today) {
  // A search lists up to hundreds of towns of a few zones at each keystroke:
  // read each zone's rules from the database once.
  static std::mutex guard;
  static std::map<std::pair<QString, int>, double> known;
  const auto key = std::make_pair(zone, today.year());
  const std::lock_guard lock(guard);
  if (const auto found = known.find(key); found != known.end()) return found->second;
  std::optional<double> meridian;
  if (const std::optional<QTimeZone> tz = ZoneNamed(zone))
    meridian = OffsetsOfYear(*tz, today.year()).first / 3600.0 * 15.0;
  // Only zones that exist are kept: any text may be asked for.
  if (meridian) known.emplace(key, *meridian);
  return meridian;
}

int LongestSummerMinutes(const QString& zone, int year) {
  const std::optional<QTimeZone> tz = ZoneNamed(zone);
  if (!tz) return 0;
  // The meridian is the smallest offset: summer time is the rest.
  const auto [smallest, largest] = OffsetsOfYear(*tz, year);
  return (largest - smallest) / 60;
}
