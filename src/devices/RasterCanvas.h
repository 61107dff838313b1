#pragma once

#include <QFont>
#include <QImage>
#include <array>

#include "drawing/Canvas.h"

// Which part of a drawing an image shows, and how large: drawing units map
// to `scale` times the screen's 15 twips per pixel, and the drawing's origin
// lands on pixel `origin`. Scale 1 at origin (0, 0) is the 800 x 600 screen
// image; the drawing window raises the scale by the screen's pixel ratio and
// its zoom.
struct RasterView {
  double scale = 1;
  QPoint origin{0, 0};
};

// Draws straight into the memory of a 32-bit image, as the drawing window
// shows a drawing. One pixel rule for every raster device: a point (x, y)
// lands on pixel (round(x * 0.1975 * scale), round(y * 0.18875 * scale)) plus
// the origin; a line covers the pixels of the integer line between its two
// mapped ends, both ends included; a point fills a square of `scale` pixels;
// whatever falls outside the image is clipped.
class RasterCanvas final : public Canvas {
 public:
  // `image` must be Format_RGB32 or Format_ARGB32 and outlive the canvas.
  explicit RasterCanvas(QImage& image, RasterView view = {});

  // The pixel a point in drawing units lands on at scale 1.
  static QPoint PixelOf(float x, float y);

 protected:
  void Line(float x1, float y1, float x2, float y2, Colour c) override;
  void Point(float x, float y, Colour c) override;
  void Text(float x, float y, std::string_view text, Colour anchor) override;

 private:
  QPoint Map(float x, float y) const;
  void FillColumn(int x, int top, int bottom, std::uint32_t argb);
  void Fill(const QRect& pixels, std::uint32_t argb);

  // Lines traced lately whose pixels all still hold their colour. A line
  // drawn again over one of them changes nothing and is skipped: plate A's
  // fills and fans land many calls on the same pixels, the plates C redraw
  // their two borders on every row. A pixel written in another colour
  // inside a line's bounds forgets the line.
  struct Box {
    int left, top, right, bottom;  // inclusive
    bool Meets(const Box& o) const {
      return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom;
    }
    bool Holds(const Box& o) const {
      return left <= o.left && o.right <= right && top <= o.top && o.bottom <= bottom;
    }
  };
  struct Traced {
    QPoint a, b;
    Box box;
    std::uint32_t argb = 0;
    bool valid = false;
  };
  static constexpr int kRemembered = 8;
  std::array<Traced, kRemembered> traced_;  // the newest first
  bool Repeats(QPoint a, QPoint b, const Box& box, std::uint32_t argb);
  bool ExtendsColumn(QPoint a, const Box& box, std::uint32_t argb);
  void Remember(const Traced& line);
  void Overwrite(const Box& pixels, std::uint32_t argb);

  QImage& image_;
  RasterView view_;
  int width_, height_;    // the image's, which keeps its size while drawn on
  double across_, down_;  // image pixels per drawing unit
  QFont font_;
  int ascent_;
};
