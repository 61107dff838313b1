#pragma once

#include <array>

// Which date line plate C draws on a day.
enum class DateLine {
  None,
  TenDay,    // the 10th and the 20th of every month, drawn with ten-day spacing
  MonthEnd,  // the last day of January to November, always drawn
};

// One day of the built-in solar table.
struct DayRow {
  // "01-GEN" ... "31-DIC": two-digit day, hyphen, upper-case Italian month.
  const char* DayLabel;
  // The Sun's declination, packed degrees.minutes, north positive; the sign
  // applies to the whole value (-0.11 is -(0 deg 11')).
  double Declination;
  // Apparent minus mean solar time, packed minutes.seconds, signed the same way.
  double EquationOfTime;
  DateLine DateLineKind;
};

// The 366 rows of one common year: row 0 is 31 December of the year before
// (equal to row 365), rows 1 to 365 are 1 January to 31 December, with no
// 29 February. The row index is also the day's column on plate C.
extern const std::array<DayRow, 366> DayTable;

// The row of a calendar date (month 1 to 12, day 1 to 31): 1 January is row
// 1, 31 December row 365; 29 February reads the row of 28 February, and a
// leap year's later days keep the rows of a common year's.
int DayIndexOf(int month, int day);
