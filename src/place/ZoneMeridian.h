#pragma once

#include <QDate>
#include <QString>
#include <QTimeZone>
#include <optional>

// The reference meridian of a time zone, degrees east positive: the zone's
// standard offset from UTC in hours times 15 (Europe/Rome +1 h: 15 E;
// Asia/Kolkata +5:30: 82.5 E; America/New_York -5 h: 75 W). Summer time never
// counts: the instrument shows local apparent solar time and plate B turns it
// into the zone's standard time. Summer time only ever moves clocks ahead, so
// the standard offset is the smallest the zone keeps in `today`'s year,
// whichever season its summer falls in (Antarctica/Troll keeps European summer
// time in the southern winter); the database's own "standard time" flag is
// not trusted. Nothing for a zone the system does not know.
std::optional<double> ZoneMeridianDeg(const QString& zone, QDate today = QDate::currentDate());

// Whether the system's time-zone database knows `zone`: every id Qt reads as a
// zone ("Europe/Rome", "Etc/UTC", "GMT", "Etc/GMT-1"), and the system's own.
bool KnownZone(const QString& zone);

// The zone of that id, as `KnownZone` accepts it.
std::optional<QTimeZone> ZoneNamed(const QString& zone);

// The longest summer time the clocks of `zone` keep in `year`, minutes: the
// largest offset of the year less the meridian's (60 in Rome, 30 at Lord
// Howe, 0 in a zone without summer time). 0 for a zone the system does not
// know.
int LongestSummerMinutes(const QString& zone, int year);
