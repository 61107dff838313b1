#pragma once

#include <string>
#include <vector>

#include "devices/RecordingCanvas.h"

// What the eye sees of a drawing, in drawing units, for a device that cannot
// paint over: a laser cutter cuts every line it is given, white or not.
//
// On screen and paper the pieces hide earlier lines by painting over them in
// white. A run of consecutive white lines, each within 2 units of the one
// before, paints a region: a scan fill gives a box or a disc, a fan from a
// common tip the half of a star point. Whatever was drawn before the region
// and lies under it is removed, or clipped at the region's edge; what is
// drawn after it stays whole. White itself is never kept: no white lines, no
// white points (a single white point erases nothing), and a line drawn again
// over itself is kept once.
//
// A long run of lines of one other colour that fills an area is kept as
// that area, not as its lines: a fan of rays from a common tip (plate A's
// star points), or parallel lines side by side, at most 2 units apart (a
// disc filled line by line). So is a figure drawn in many copies a hair
// apart (see SweptCopies.h): the area they sweep. Whatever white paints
// over a fill afterwards is cut out of it.
struct VisibleLine {
  double x1, y1, x2, y2;
  Colour colour;
};
struct VisiblePoint {
  double x, y;
  Colour colour;
};
struct VisibleText {
  double x, y;  // the top-left corner
  std::string text;
};
struct VisibleFill {
  // Closed loops, each without its first corner repeated: the outlines of
  // the area and of its holes. A point is inside when an odd number of
  // loops enclose it.
  std::vector<std::vector<std::pair<double, double>>> loops;
  Colour colour;
  std::size_t linesBefore;  // drawn after that many of the lines: paint it there
};
struct VisibleDrawing {
  std::vector<VisibleLine> lines;  // in the order drawn, clipped ones in place
  std::vector<VisibleFill> fills;
  std::vector<VisiblePoint> points;
  std::vector<VisibleText> texts;
};

VisibleDrawing Visible(const CallList& calls);
