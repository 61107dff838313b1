#pragma once

namespace GRAPH1 {

struct AngleConstants {
  double DegPerRad;
  double RadPerDeg;
};

// Sets the shared Pi to 4 * arctan(1) and returns the two conversion factors,
// as every drawing does right after its window is shown.
AngleConstants ComputeAngleConstants();

}  // namespace GRAPH1
