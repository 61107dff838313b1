#pragma once

#include <QFont>
#include <QImage>

#include "drawing/Canvas.h"

// Draws straight into the memory of a 32-bit image at 15 twips per pixel, as
// the drawing window shows a drawing. One pixel rule for every raster device:
// a point (x, y) lands on pixel (round(x * 0.1975), round(y * 0.18875)); a
// line covers the pixels of the integer line between its two mapped ends, both
// ends included; whatever falls outside the image is clipped.
class RasterCanvas final : public Canvas {
 public:
  // `image` must be Format_RGB32 or Format_ARGB32 and outlive the canvas.
  explicit RasterCanvas(QImage& image);


  // The pixel a point in drawing units lands on.
  static QPoint PixelOf(float x, float y);

 protected:
  void Line(float x1, float y1, float x2, float y2, Colour c) override;
  void Point(float x, float y, Colour c) override;
  void Text(float x, float y, std::string_view text, Colour anchor) override;

 private:
  void SetPixel(int px, int py, std::uint32_t argb);
  void FillColumn(int x, int top, int bottom, std::uint32_t argb);

  // The last line traced, in pixels. Plate A's fills and fans map many calls
  // onto pixels the call before has just set in the same colour; those need
  // not be traced again. Points and texts forget it.
  struct Traced {
    QPoint a, b;
    std::uint32_t argb = 0;
    bool valid = false;
  };
  Traced last_;

  QImage& image_;
  QFont font_;
  int ascent_;
};
