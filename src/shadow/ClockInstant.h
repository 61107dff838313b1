#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QTimeZone>

// A clock time read on the clocks of a zone, as an instant.
struct ClockInstant {
  enum Kind {
    Once,      // the usual case
    Repeated,  // the hour repeated when summer time ends: the first of the two
    Skipped,   // the hour skipped when summer time starts: no such instant
  };
  Kind kind = Once;
  QDateTime utc;          // the instant, in UTC; invalid when skipped
  int offsetSeconds = 0;  // the clock's offset from UTC at that instant
  int jumpSeconds = 0;    // skipped or repeated: how far the clocks moved
};

// A date and a clock time, to the minute.
struct ClockReading {
  QDate date;
  QTime time;
};

// What the clocks of the zone of that id show now, to the minute; the
// system's zone for an id it does not know.
ClockReading ClockNow(const QString& zone);

// When the clocks of `zone` show `time` on `date`. Qt alone takes the
// standard-time occurrence of a repeated hour and gives no instant in a
// skipped one: both are settled here from the zone's offsets around its
// transitions.
ClockInstant ResolveClockTime(const QTimeZone& zone, QDate date, QTime time);
