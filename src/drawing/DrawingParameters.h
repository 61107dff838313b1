#pragma once

// How far apart plate B and plate C draw their date lines.
enum class DateLineSpacing {
  Unset,    // neither option selected: the checks refuse it
  Months,   // "MESI": the month ends
  TenDays,  // "DECADI": the month ends, the 10th and the 20th
};

// The hour system of plate C: equal hours, or each day's daylight in twelve.
enum class HourSystem { Astronomical, Temporary };

// The site data of one drawing, as the checks accepted them.
struct DrawingParameters {
  double Latitude = 0;         // degrees, north positive, -90 ... 90
  double LongitudeOffset = 0;  // degrees from the time zone's meridian, east positive, -15 ... 15
  DateLineSpacing DateSpacing = DateLineSpacing::Months;
};
