#pragma once

#include <string_view>

#include "drawing/Palette.h"

// The one surface every drawing procedure draws on. Coordinates are drawing
// units (origin top-left, x to the right, y downward), narrowed to 32-bit
// floats at the call, as the pieces hand them over. Devices (the screen image,
// SVG, PDF, PNG, the recorder) implement the three protected operations; the
// drawings call the public ones.
class Canvas {
 public:
  virtual ~Canvas() = default;

  // A one-pixel solid line from (x1, y1) to (x2, y2).
  void DrawLine(float x1, float y1, float x2, float y2, Colour c = Colour::Foreground) {
    Line(x1, y1, x2, y2, c);
  }
  // The one pixel at (x, y).
  void PlotPoint(float x, float y, Colour c = Colour::Foreground) { Point(x, y, c); }
  // An anchor pixel at (x, y) in `anchor`, then `text` (UTF-8) in the
  // foreground colour with its top-left corner at (x, y).
  void PlaceText(float x, float y, std::string_view text, Colour anchor = Colour::White) {
    Text(x, y, text, anchor);
  }
  // A whole number, written as the window writes numbers (" 12 ", "-3 ").
  void PlaceText(float x, float y, long long number, Colour anchor = Colour::White);

 protected:
  virtual void Line(float x1, float y1, float x2, float y2, Colour c) = 0;
  virtual void Point(float x, float y, Colour c) = 0;
  virtual void Text(float x, float y, std::string_view text, Colour anchor) = 0;
};
