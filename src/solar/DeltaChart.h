#pragma once

#include <cmath>

// Plate B's chart of delta, the equation of time corrected for the site's
// longitude offset: laid out in chart units, drawn at half size, one column
// a day from row 0 at the left edge, one grid line a minute.
namespace DeltaChart {

inline constexpr double s = 0.5;              // chart units to drawing units
inline constexpr double x0 = 1045.5;          // left edge of the chart: row 0
inline constexpr double y0 = 200;             // top grid line
inline constexpr double YearWidth = 3818;     // chart units for 365 days
inline constexpr double w = YearWidth / 365;  // chart units per day
inline constexpr double MinuteHeight = 80;    // chart units per minute of delta
inline constexpr double DateLineHeight = 2650;
inline constexpr double Emax = 16 + 25.0 / 60;  // largest equation of time in the table, minutes
inline constexpr double RightEdge = x0 + YearWidth * s;  // 2954.5

// Delta for a day, minutes: its equation of time (decimal minutes) plus
// four minutes a degree of longitude east of the zone's meridian.
inline double Delta(double equationOfTime, double longitudeOffset) {
  return equationOfTime - (-4 * longitudeOffset);
}

// The whole minutes at the top grid line, 1 to 2 above the largest delta.
inline double TopValue(double longitudeOffset) {
  return std::floor(Emax - (-4 * longitudeOffset)) + 2;
}

// Where row `row` and a delta of `d` minutes stand on a chart topped by `V`.
inline double RowX(int row) { return x0 + row * (w * s); }
inline double ValueY(double V, double d) { return y0 + MinuteHeight * s * (V - d); }

}  // namespace DeltaChart
