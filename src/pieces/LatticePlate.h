#pragma once

#include "drawing/Canvas.h"
#include "drawing/PieceCut.h"

namespace GRAPH1 {

// Plates A and D: a rectangle from x = 100 to 3900 whose face carries a
// lattice of 24 x 24 cells with both diagonals, 50 units inside the outline,
// and a trapezoidal tab 250 units deep above and below.
struct LatticePlate {
  static constexpr int N = 24;
  static constexpr double xL = 150, xR = 3850;
  double yT, yB;  // top and bottom edges of the lattice

  double cx() const { return (xL + xR) / 2; }
  double cy() const { return (yT + yB) / 2; }
  double dx() const { return (xR - xL) / N; }
  double dy() const { return (yB - yT) / N; }
};

// Outline, lattice and tabs, in this order. Each horizontal and vertical
// lattice line is drawn once per pass of the double loop, 25 times in all.
void DrawLatticePlate(Canvas& canvas, const LatticePlate& plate);

// The outline with both tabs, and the folds where they meet the plate.
PieceCut LatticePlateCut(const LatticePlate& plate);

// The plate's letter beside both side edges, and the tabs' names inside them.
void DrawPlateLetters(Canvas& canvas, const LatticePlate& plate, const char* letter,
                      const char* upperTab, const char* lowerTab, double tabNameX);

}  // namespace GRAPH1
