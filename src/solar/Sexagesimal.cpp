#include "solar/Sexagesimal.h"

#include <cmath>

double SexagesimalToDecimal(double packed) {
  const bool negative = packed < 0;
  const double magnitude = std::fabs(packed);
  const double whole = std::floor(magnitude);
  const double decimal = whole + (magnitude - whole) * 10 / 6;
  return negative ? -decimal : decimal;
}
