#pragma once

#include <vector>

// Where a piece is cut out of the card and where it is folded, in drawing
// units: what a laser cutter or a plotter needs beside the drawing itself.
struct CutPoint {
  double x, y;
};
struct CutSegment {
  CutPoint a, b;
};
struct PieceCut {
  std::vector<CutPoint> outline;  // one closed path, tabs included: the last point meets the first
  std::vector<CutSegment> folds;  // where a tab meets its plate
};
