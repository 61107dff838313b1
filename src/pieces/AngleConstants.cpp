#include "AngleConstants.h"

#include <cmath>

#include "GRAPH1.h"

namespace GRAPH1 {

double Pi = 0;

AngleConstants ComputeAngleConstants() {
  Pi = 4 * std::atan(1.0);
  return {180 / Pi, Pi / 180};
}

}  // namespace GRAPH1
