#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// A site and its time zone, and the longitude offset the instrument needs:
// the site's longitude less the meridian the plates are drawn for. That is
// the zone's reference meridian, or, for a site more than 15 degrees from it
// (Madrid, 18.7 degrees from its zone's 15 E), the zone's meridian moved by
// whole hours to the one nearest the site (0 for Madrid): plate B's chart
// spans -15 ... 15, and the zone's clocks then read that meridian's mean
// time plus the whole hours, exactly as summer time is added.
struct SiteOffset {
  QString name;             // the town, or empty for a site given by coordinates
  double latitude = 0;      // degrees, north positive
  double longitude = 0;     // degrees, east positive
  QString zone;             // "Europe/Rome"
  double zoneMeridian = 0;  // the zone's reference meridian, degrees east positive
  double meridian = 0;      // the meridian the plates are drawn for
  double offset = 0;        // longitude - meridian, degrees east positive

  // Whether the plates are drawn for another meridian than the zone's.
  bool MeridianMoved() const { return meridian != zoneMeridian; }
  // The zone's standard time less the drawn meridian's mean time, minutes:
  // 60 for Madrid; 0 when the zone's own meridian is used.
  int ZoneShiftMinutes() const;

  // The two texts the boxes take: rounded to three places, regional separator.
  QString LatitudeText(const QLocale& locale = QLocale()) const;
  QString OffsetText(const QLocale& locale = QLocale()) const;

  // The arithmetic in words: "Longitudine 12,242° E - meridiano del fuso
  // Europe/Rome 15° E = scostamento -2,758°"; for a moved meridian,
  // "Longitudine 3,703° O - meridiano 0° (fuso Europe/Madrid, 15° E) =
  // scostamento -3,703°".
  QString Arithmetic(const QLocale& locale = QLocale()) const;

  // For a moved meridian, what the reader adds: "meridiano 0°: all'ora letta
  // aggiungere 1 ora"; empty otherwise.
  QString MeridianNote(const QLocale& locale = QLocale()) const;
};

// "12,242° E", "85,165° O", "0°": a longitude with its side in Italian.
QString LongitudeText(double degrees, const QLocale& locale = QLocale());

// The whole hours of a moved meridian as the reader adds them: "aggiungere
// 1 ora", "aggiungere 2 ore", "togliere 1 ora".
QString ZoneShiftWords(int minutes);

// Whether `offset`, written as the box holds it (three places), is one the
// instrument takes: plate B's chart spans -15 ... 15.
bool OffsetInRange(double offset);

// The offset of a site at `longitude` from the meridian `meridian`, brought
// into -180 ... 180.
double OffsetFromMeridian(double longitude, double meridian);

// The zone's standard time less the mean time of the meridian the plates
// are drawn for, minutes: 60 for Madrid (15 E, drawn for 0).
int ZoneShiftMinutes(double zoneMeridian, double meridian);

// A site from its coordinates and zone, or nothing for an unknown zone.
std::optional<SiteOffset> SiteFromCoordinates(QString name, double latitude, double longitude,
                                              const QString& zone);
