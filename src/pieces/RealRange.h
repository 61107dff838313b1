#pragma once

#include <cmath>

namespace GRAPH1 {

// Runs `body(value, j)` for value = start + j * step, j = 0, 1, ..., for
// every value that does not pass `end` by more than 1e-9: the loop includes
// its end value without the drift of adding a fractional step again and
// again. Returns the number of values.
template <typename Body>
long ForEachStep(double start, double end, double step, Body body) {
  constexpr double kSlack = 1e-9;
  long j = 0;
  for (;; ++j) {
    const double value = start + j * step;
    if (step > 0 ? value > end + kSlack : value < end - kSlack) break;
    body(value, j);
  }
  return j;
}

// How many values ForEachStep visits.
inline long StepCount(double start, double end, double step) {
  return ForEachStep(start, end, step, [](double, long) {});
}

}  // namespace GRAPH1
