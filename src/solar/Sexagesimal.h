#pragma once

// Converts a packed sexagesimal value to decimal: degrees.minutes to decimal
// degrees, or minutes.seconds to decimal minutes (the two decimals are
// sixtieths). Works on the magnitude, so that -0.11 gives -11/60, not -1 + ...
double SexagesimalToDecimal(double packed);
