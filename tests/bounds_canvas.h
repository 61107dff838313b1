#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

#include "Canvas.h"
#include "DrawingTarget.h"

// Checks every coordinate a drawing hands over without keeping the calls:
// counts the calls, the coordinates that are not finite, and the extent.
class BoundsCanvas final : public Canvas, public DrawingTarget {
 public:
  using Canvas::DrawLine;
  using Canvas::PlaceText;
  using Canvas::PlotPoint;

  Canvas& PrepareWindow() override { return *this; }
  void DrawLine(float x1, float y1, float x2, float y2, Colour) override {
    Take(x1, y1);
    Take(x2, y2);
  }
  void PlotPoint(float x, float y, Colour) override { Take(x, y); }
  void PlaceText(float x, float y, const std::string&, Colour) override { Take(x, y); }

  long calls = 0;
  long notFinite = 0;
  float minX = std::numeric_limits<float>::max(), minY = minX;
  float maxX = std::numeric_limits<float>::lowest(), maxY = maxX;

 private:
  void Take(float x, float y) {
    ++calls;
    if (!std::isfinite(x) || !std::isfinite(y)) {
      ++notFinite;
      return;
    }
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  }
};
