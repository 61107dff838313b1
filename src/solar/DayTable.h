#pragma once

#include <array>

// One day of the built-in solar table.
struct DayRow {
  // "01-GEN" ... "31-DIC": two-digit day, hyphen, upper-case Italian month.
  const char* DayLabel;
  // The Sun's declination, packed degrees.minutes, north positive; the sign
  // applies to the whole value (-0.11 is -(0 deg 11')).
  double Declination;
  // Apparent minus mean solar time, packed minutes.seconds, signed the same way.
  double EquationOfTime;
  // 1 on the 10th and 20th of every month, 2 on the last day of January to
  // November, 0 otherwise: which date line plate C draws on that day.
  int DateLineKind;
};

// The 366 rows of one common year: row 0 is 31 December of the year before
// (equal to row 365), rows 1 to 365 are 1 January to 31 December, with no
// 29 February. The row index is also the day's column on plate C.
extern const std::array<DayRow, 366> DayTable;
