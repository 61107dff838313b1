#include <cmath>

#include "AngleConstants.h"
#include "GRAPH1.h"

namespace GRAPH1 {

void DrawPlateC_Temporary(InputPanel& form1, DrawingTarget& form2) {
  const AngleConstants beforeChecks = ComputeAngleConstants();
  // Inside a polar circle the Sun, near a solstice, neither rises nor sets
  // for a whole day, and a day has no temporary hours.
  const double obliquity = 23.45;
  const auto outsidePolarCircles = [&](const DrawingParameters& p) {
    return !(std::tan(std::fabs(obliquity) * beforeChecks.RadPerDeg) *
                 std::tan(std::fabs(p.Latitude) * beforeChecks.RadPerDeg) > 1);
  };
  const auto parameters = RunPreamble(form1, outsidePolarCircles);
  if (!parameters) return;
  form2.PrepareWindow();
  ComputeAngleConstants();
}

}  // namespace GRAPH1
