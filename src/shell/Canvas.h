#pragma once

#include <string>
#include <string_view>

#include "Palette.h"

// The one surface every drawing procedure draws on. Coordinates are drawing
// units (origin top-left, x to the right, y downward), narrowed to 32-bit
// floats at the call, as the pieces hand them over. Devices (the screen image,
// SVG, PDF, PNG, the recorder) implement the three virtual operations.
class Canvas {
 public:
  virtual ~Canvas() = default;

  // A one-pixel solid line from (x1, y1) to (x2, y2).
  virtual void DrawLine(float x1, float y1, float x2, float y2, Colour c) = 0;
  // The one pixel at (x, y).
  virtual void PlotPoint(float x, float y, Colour c) = 0;
  // An anchor pixel at (x, y) in `anchor`, then `text` (UTF-8) in the
  // foreground colour with its top-left corner at (x, y).
  virtual void PlaceText(float x, float y, const std::string& text, Colour anchor) = 0;

  void DrawLine(float x1, float y1, float x2, float y2) {
    DrawLine(x1, y1, x2, y2, Colour::Foreground);
  }
  void PlotPoint(float x, float y) { PlotPoint(x, y, Colour::Foreground); }
  void PlaceText(float x, float y, const std::string& text) {
    PlaceText(x, y, text, Colour::White);
  }
  // A whole number, written as the window writes numbers (" 12 ", "-3 ").
  void PlaceText(float x, float y, long long number, Colour anchor = Colour::White);
};
