#include "place/SiteOffset.h"

#include <cmath>
#include <optional>

#include <QCoreApplication>

#include "drawing/NumberText.h"
#include "place/ZoneMeridian.h"

namespace {
class Site {
  Q_DECLARE_TR_FUNCTIONS(Site)
};
}  // namespace

QString LongitudeText(double degrees, const QLocale& locale) {
  const QString number = PlainDecimalText(std::fabs(degrees), locale) + QStringLiteral("°");
  if (PlainDecimalText(degrees, locale) == QStringLiteral("0")) return number;
  return degrees < 0 ? Site::tr("%1 O").arg(number) : Site::tr("%1 E").arg(number);
}

double OffsetFromMeridian(double longitude, double meridian) {
  double offset = std::fmod(longitude - meridian, 360.0);
  if (offset > 180) offset -= 360;
  if (offset < -180) offset += 360;
  return offset;
}

bool OffsetInRange(double offset) {
  const double written = std::round(offset * 1000) / 1000;
  return written >= -15 && written <= 15;
}

std::optional<SiteOffset> SiteFromCoordinates(QString name, double latitude, double longitude,
                                              const QString& zone) {
  const std::optional<double> zoneMeridian = ZoneMeridianDeg(zone);
  if (!zoneMeridian) return std::nullopt;
  SiteOffset site{std::move(name),
                  latitude,
                  longitude,
                  zone,
                  *zoneMeridian,
                  *zoneMeridian,
                  OffsetFromMeridian(longitude, *zoneMeridian)};
  if (!OffsetInRange(site.offset)) {
    // The whole hours that bring the meridian nearest the site.
    site.meridian = OffsetFromMeridian(*zoneMeridian + 15 * std::round(site.offset / 15), 0);
    site.offset = OffsetFromMeridian(longitude, site.meridian);
  }
  return site;
}

int ZoneShiftMinutes(double zoneMeridian, double meridian) {
  return int(std::lround(OffsetFromMeridian(zoneMeridian, meridian) * 4));  // 4 min a degree
}

int SiteOffset::ZoneShiftMinutes() const { return ::ZoneShiftMinutes(zoneMeridian, meridian); }

QString SiteOffset::LatitudeText(const QLocale& locale) const {
  return PlainDecimalText(latitude, locale);
}

QString SiteOffset::OffsetText(const QLocale& locale) const {
  return PlainDecimalText(offset, locale);
}

QString SiteOffset::Arithmetic(const QLocale& locale) const {
  if (MeridianMoved()) {
    return Site::tr("Longitudine %1 - meridiano %2 (fuso %3, %4) = scostamento %5°")
        .arg(LongitudeText(longitude, locale), LongitudeText(meridian, locale), zone,
             LongitudeText(zoneMeridian, locale), OffsetText(locale));
  }
  return Site::tr("Longitudine %1 - meridiano del fuso %2 %3 = scostamento %4°")
      .arg(LongitudeText(longitude, locale), zone, LongitudeText(meridian, locale),
           OffsetText(locale));
}

QString SiteOffset::MeridianNote(const QLocale& locale) const {
  if (!MeridianMoved()) return {};
  return Site::tr("meridiano %1: all'ora letta %2")
      .arg(LongitudeText(meridian, locale), ZoneShiftWords(ZoneShiftMinutes()));
}

QString ZoneShiftWords(int minutes) {
  const int hours = std::abs(minutes) / 60;
  return minutes < 0 ? Site::tr("togliere %n ore", nullptr, hours)
                     : Site::tr("aggiungere %n ore", nullptr, hours);
}
