#pragma once

#include <cmath>

// Whether both coordinates are numbers a device can place: a call with a NaN
// or an infinity is drawn nowhere. Floats widen to doubles exactly.
inline bool Finite(double a, double b) { return std::isfinite(a) && std::isfinite(b); }
