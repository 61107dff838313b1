#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// A site and its time zone, and the longitude offset the instrument needs:
// the site's longitude less the zone's reference meridian, in -180 ... 180.
struct SiteOffset {
  QString name;          // the town, or empty for a site given by coordinates
  double latitude = 0;   // degrees, north positive
  double longitude = 0;  // degrees, east positive
  QString zone;          // "Europe/Rome"
  double meridian = 0;   // the zone's reference meridian, degrees east positive
  double offset = 0;     // longitude - meridian, degrees east positive

  // The two texts the boxes take: rounded to three places, regional separator.
  QString LatitudeText(const QLocale& locale = QLocale()) const;
  QString OffsetText(const QLocale& locale = QLocale()) const;

  // Whether the instrument takes the offset: plate B's chart spans -15 ... 15,
  // judged on the text the box will hold.
  bool InRange() const;

  // The arithmetic in words: "Longitudine 12,242° E - meridiano del fuso
  // Europe/Rome 15° E = scostamento -2,758°".
  QString Arithmetic(const QLocale& locale = QLocale()) const;

  // Why an offset out of range cannot be drawn: "Madrid è a 18,703° dal
  // meridiano del suo fuso (15° E): il quindal ne ammette al più 15."
  QString OutOfRangeText(const QLocale& locale = QLocale()) const;
};

// The offset of a site at `longitude` from the meridian `meridian`, brought
// into -180 ... 180.
double OffsetFromMeridian(double longitude, double meridian);

// A site from its coordinates and zone, or nothing for an unknown zone.
std::optional<SiteOffset> SiteFromCoordinates(QString name, double latitude, double longitude,
                                              const QString& zone);
