#include "place/ZoneMeridian.h"

#include <QDateTime>
#include <QTimeZone>
#include <algorithm>

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
  const QTimeZone tz(zone.toUtf8());
  if (!tz.isValid()) return std::nullopt;
  const int winterMonth = siteLatitude < 0 ? 7 : 1;
  const QDateTime noon(QDate(today.year(), winterMonth, 15), QTime(12, 0), QTimeZone::utc());
  return tz.offsetFromUtc(noon) / 3600.0 * 15.0;
}
