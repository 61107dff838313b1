#include "place/SiteOffset.h"

#include <cmath>
#include <optional>

#include "drawing/NumberText.h"
#include "place/ZoneMeridian.h"

namespace {

// "12,242° E", "85,165° O", "0°": a longitude with its side in Italian.
QString Longitude(double degrees, const QLocale& locale) {
  const QString number = PlainDecimalText(std::fabs(degrees), locale) + QStringLiteral("°");
  if (PlainDecimalText(degrees, locale) == QStringLiteral("0")) return number;
  return number + (degrees < 0 ? QStringLiteral(" O") : QStringLiteral(" E"));
}

}  // namespace

double OffsetFromMeridian(double longitude, double meridian) {
  double offset = std::fmod(longitude - meridian, 360.0);
  if (offset > 180) offset -= 360;
  if (offset < -180) offset += 360;
  return offset;
}

std::optional<SiteOffset> SiteFromCoordinates(QString name, double latitude, double longitude,
                                              const QString& zone) {
  const std::optional<double> meridian = ZoneMeridianDeg(zone);
  if (!meridian) return std::nullopt;
  return SiteOffset{std::move(name), latitude,
                    longitude,       zone,
                    *meridian,       OffsetFromMeridian(longitude, *meridian)};
}

QString SiteOffset::LatitudeText(const QLocale& locale) const {
  return PlainDecimalText(latitude, locale);
}

QString SiteOffset::OffsetText(const QLocale& locale) const {
  return PlainDecimalText(offset, locale);
}

bool SiteOffset::InRange() const {
  const double written = std::round(offset * 1000) / 1000;
  return written >= -15 && written <= 15;
}

QString SiteOffset::Arithmetic(const QLocale& locale) const {
  return QStringLiteral("Longitudine %1 - meridiano del fuso %2 %3 = scostamento %4°")
      .arg(Longitude(longitude, locale), zone, Longitude(meridian, locale), OffsetText(locale));
}

QString SiteOffset::OutOfRangeText(const QLocale& locale) const {
  const QString site = name.isEmpty() ? QStringLiteral("Il luogo") : name;
  return QStringLiteral(
             "%1 è a %2° dal meridiano del suo fuso (%3): il quindal ne ammette al più 15.")
      .arg(site, PlainDecimalText(std::fabs(offset), locale), Longitude(meridian, locale));
}
