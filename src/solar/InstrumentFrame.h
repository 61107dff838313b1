#pragma once

// The instrument's own measures, written once: plate C's drawing, the shadow
// at an instant, its overlay, the booklet's pictures and the assembled
// instrument all read them here.

// The angles of the leaning plates to the base, degrees.
inline constexpr double kPlateInclinationDeg = 45;  // plate C, the dial
inline constexpr double kPlateAAngleDeg = 60;       // plate A, from the top of B

// Every plate's side edges across the sheet, drawing units.
inline constexpr double kPlateLeft = 100, kPlateRight = 3900;

// Plate C's frame, drawing units down the sheet.
inline constexpr double kSheetTop = 25;       // the outline's top edge, above the month scale
inline constexpr double kPlateTop = 125;      // the dial area's top edge: the horizon
inline constexpr double kPlateBottom = 2725;  // the plate's bottom edge: the zenith
inline constexpr double kPlateLength = kPlateBottom - kPlateTop;  // 2600
inline constexpr double kDialLeft = 250;    // the dial area's left edge: row 0
inline constexpr double kDialRight = 3750;  // its right edge: row 365
