#pragma once

#include <string>
#include <string_view>

#include "drawing/Canvas.h"

// Writes a drawing as SVG, one element per call in call order, at true scale:
// the viewBox is the 800 x 600 screen in drawing units and the page is that
// screen's size at 15 twips per pixel. Coordinates are the very floats the
// drawing handed over, written so that they read back to the same float.
class SvgCanvas final : public Canvas {
 public:
  // `title`, when given, is the document's <title>, first child of the root.
  explicit SvgCanvas(std::string_view title = {});

  // Closes the document and returns it; the canvas takes no calls after this.
  std::string Finish();

 protected:
  void Line(float x1, float y1, float x2, float y2, Colour c) override;
  void Point(float x, float y, Colour c) override;
  void Text(float x, float y, std::string_view text, Colour anchor) override;

 private:
  std::string svg_;
};

// The shortest decimal text that reads back to exactly `value`.
std::string FloatText(float value);

// `text` with the XML specials escaped.
std::string XmlEscaped(std::string_view text);
