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
// white points (a single white point erases nothing).
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
struct VisibleDrawing {
  std::vector<VisibleLine> lines;  // in the order drawn, clipped ones in place
  std::vector<VisiblePoint> points;
  std::vector<VisibleText> texts;
};

VisibleDrawing Visible(const CallList& calls);
