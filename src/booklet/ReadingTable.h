#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <vector>

#include "drawing/DrawingParameters.h"

// What the instrument shows at the clock times a school day is read at, on
// the 1st and the 15th of every month of a year.
inline constexpr std::array<int, 3> kReadingHours = {9, 12, 15};

struct ReadingRow {
  QDate date;
  // The local apparent time for each clock time, "HH:MM" to the nearest
  // minute, or "—" with the Sun below the horizon (or a clock time the
  // zone skips).
  std::array<QString, kReadingHours.size()> shown;
};

// 24 rows, 1 and 15 January first, on the clocks of `zone` (IANA id),
// summer time included where the zone has it.
std::vector<ReadingRow> ReadingTable(const DrawingParameters& site, HourSystem hours,
                                     const QString& zone, int year);
