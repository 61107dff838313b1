#pragma once

#include <string>

#include "Canvas.h"

// Writes a drawing as SVG, one element per call in call order, at true scale:
// the viewBox is the 800 x 600 screen in drawing units and the page is that
// screen's size at 15 twips per pixel. Coordinates are the very floats the
// drawing handed over, written so that they read back to the same float.
class SvgCanvas final : public Canvas {
 public:
  SvgCanvas();

  using Canvas::DrawLine;
  using Canvas::PlaceText;
  using Canvas::PlotPoint;

  void DrawLine(float x1, float y1, float x2, float y2, Colour c) override;
  void PlotPoint(float x, float y, Colour c) override;
  void PlaceText(float x, float y, const std::string& text, Colour anchor) override;

  // Closes the document and returns it; the canvas takes no calls after this.
  std::string Finish();

 private:
  std::string svg_;
};

// The shortest decimal text that reads back to exactly `value`.
std::string FloatText(float value);

// `text` with the XML specials escaped.
std::string XmlEscaped(const std::string& text);
