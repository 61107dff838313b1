#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "drawing/DrawingParameters.h"
#include "shadow/ShadowAtInstant.h"

// The temporary hour lines the table gives clock times for: 1 to 11 (0 and
// 12 are sunrise and sunset, on the plate's horizon).
inline constexpr int kFirstTemporaryLine = 1, kLastTemporaryLine = 11;

// From the instrument to the clock, for one date.
struct ReadingRow {
  QDate date;
  int summerMinutes = 0;  // the zone's summer time that day, at noon
  // Equal hours: what to add to the instrument's reading (local apparent
  // time) to get the clock's time, summer time included, in whole minutes.
  int minutesToAdd = 0;
  // Temporary hours: the clock time, "HH:MM", at which the shadow crosses
  // each hour line from the first to the last; "—" for a line it does not
  // reach that day.
  std::vector<QString> lineClockTimes;
};

// The 1st and the 15th of every month of `year`, 1 January first, on the
// clocks of the project's zone, summer time included where the zone has it.
// The temporary hours' clock times only for a project in temporary hours.
std::vector<ReadingRow> ReadingTable(const CheckedProject& project, int year);

// What to add to the local apparent time plate C shows to get the clock's
// time at that reading, summer time included, in whole minutes.
int MinutesToAdd(const ShadowReading& r);

// Minutes as the table writes them: "+13 min", "−4 min", "0 min".
QString SignedMinutesText(int minutes);
