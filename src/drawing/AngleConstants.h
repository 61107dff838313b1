#pragma once

#include <numbers>

// The angle constants every drawing uses. Pi is 4 * arctan(1), which in
// double precision is the same number as std::numbers::pi.
namespace GRAPH1 {

inline constexpr double Pi = std::numbers::pi;
inline constexpr double DegPerRad = 180 / Pi;
inline constexpr double RadPerDeg = Pi / 180;

}  // namespace GRAPH1
