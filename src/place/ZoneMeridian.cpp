#include "place/ZoneMeridian.h"

#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <map>
#include <mutex>
#include <tuple>

bool KnownZone(const QString& zone) {
  // Asking the database anew reads the whole list of zones: keep it.
  static const QList<QByteArray> known = [] {
    QList<QByteArray> ids = QTimeZone::availableTimeZoneIds();
    std::sort(ids.begin(), ids.end());
    return ids;
  }();
  return std::binary_search(known.begin(), known.end(), zone.toUtf8());
}

std::optional<double> ZoneMeridianDeg(const QString& zone, double siteLatitude, QDate today) {
  if (!KnownZone(zone)) return std::nullopt;
  const int winterMonth = siteLatitude < 0 ? 7 : 1;
  // A search lists up to hundreds of towns of a few zones at each keystroke:
  // read each zone's rules from the database once.
  static std::mutex guard;
  static std::map<std::tuple<QString, int, int>, std::optional<double>> known;
  const auto key = std::make_tuple(zone, winterMonth, today.year());
  const std::lock_guard lock(guard);
  if (const auto found = known.find(key); found != known.end()) return found->second;
  std::optional<double> meridian;
  const QTimeZone tz(zone.toUtf8());
  if (tz.isValid()) {
    const QDateTime noon(QDate(today.year(), winterMonth, 15), QTime(12, 0), QTimeZone::utc());
    meridian = tz.offsetFromUtc(noon) / 3600.0 * 15.0;
  }
  known.emplace(key, meridian);
  return meridian;
}
