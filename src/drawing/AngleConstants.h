#pragma once

#include <numbers>

// The angle constants every drawing uses. Pi is 4 * arctan(1), which in
// double precision is the same number as std::numbers::pi.
namespace GRAPH1 {

inline constexpr double Pi = std::numbers::pi;
inline constexpr double DegPerRad = 180 / Pi;
inline constexpr double RadPerDeg = Pi / 180;

// How close two reals count as the same in the drawings: a zero, a whole
// multiple, a latitude on the tropic.
inline constexpr double kTolerance = 0.000001;

}  // namespace GRAPH1
