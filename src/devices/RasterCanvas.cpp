#include "devices/RasterCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "devices/WindowFont.h"
#include "drawing/DrawingUnits.h"

namespace {

// Far enough outside any screen to clip, small enough for int arithmetic.
constexpr double kPixelLimit = 1 << 20;

int MapToPixel(float coordinate, double pixelsPerUnit) {
  const double p = std::clamp(static_cast<double>(coordinate) * pixelsPerUnit, -kPixelLimit,
                              kPixelLimit);
  return static_cast<int>(std::lround(p));
}

bool Finite(float a, float b) { return std::isfinite(a) && std::isfinite(b); }

std::uint32_t Argb(Colour c) { return 0xFF000000u | RgbOf(c); }

}  // namespace

RasterCanvas::RasterCanvas(QImage& image)
    : image_(image), font_(WindowFont()) {
  // Crisp one-pixel type, like the lines: no grey edges to blur a print.
  font_.setStyleStrategy(QFont::NoAntialias);
  ascent_ = QFontMetrics(font_).ascent();
}

QPoint RasterCanvas::PixelOf(float x, float y) {
  return {MapToPixel(x, DrawingUnits::kPixelsAcross), MapToPixel(y, DrawingUnits::kPixelsDown)};
}

void RasterCanvas::SetPixel(int px, int py, std::uint32_t argb) {
  if (px < 0 || py < 0 || px >= image_.width() || py >= image_.height()) return;
  reinterpret_cast<std::uint32_t*>(image_.scanLine(py))[px] = argb;
}

namespace {

// Bresenham's line from a to b, both ends included, stepping one pixel at a
// time along the longer axis. With `Clip` each pixel is tested against the
// image; without, the caller has made sure that both ends, and so the whole
// line, lie inside, and the walk runs on the pixel's index alone.
template <bool Clip>
void TraceLine(std::uint32_t* bits, int stride, int w, int h, QPoint a, QPoint b,
               std::uint32_t argb) {
  int x = a.x(), y = a.y();
  const int adx = std::abs(b.x() - x), ady = std::abs(b.y() - y);
  const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
  const bool xMajor = adx >= ady;
  const int major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
  int d = 2 * minor - major;
  if constexpr (!Clip) {
    const std::ptrdiff_t along = xMajor ? sx : static_cast<std::ptrdiff_t>(sy) * stride;
    const std::ptrdiff_t across = xMajor ? static_cast<std::ptrdiff_t>(sy) * stride : sx;
    std::ptrdiff_t at = static_cast<std::ptrdiff_t>(y) * stride + x;
    for (int i = 0; i <= major; ++i) {
      bits[at] = argb;
      if (d > 0) {
        at += across;
        d -= 2 * major;
      }
      d += 2 * minor;
      at += along;
    }
  } else {
    int& along = xMajor ? x : y;
    int& across = xMajor ? y : x;
    const int stepAlong = xMajor ? sx : sy, stepAcross = xMajor ? sy : sx;
    for (int i = 0; i <= major; ++i) {
      if (x >= 0 && y >= 0 && x < w && y < h) bits[y * stride + x] = argb;
      if (d > 0) {
        across += stepAcross;
        d -= 2 * major;
      }
      d += 2 * minor;
      along += stepAlong;
    }
  }
}

}  // namespace

void RasterCanvas::Line(float x1, float y1, float x2, float y2, Colour c) {
  if (!Finite(x1, y1) || !Finite(x2, y2)) return;
  const QPoint a = PixelOf(x1, y1);
  const QPoint b = PixelOf(x2, y2);
  const int w = image_.width();
  const int h = image_.height();
  // Wholly on one side of the image: nothing to draw.
  if ((a.x() < 0 && b.x() < 0) || (a.y() < 0 && b.y() < 0) || (a.x() >= w && b.x() >= w) ||
      (a.y() >= h && b.y() >= h)) {
    return;
  }
  const std::uint32_t argb = Argb(c);
  if (last_.valid && argb == last_.argb) {
    // The very pixels of the line before: nothing changes.
    if (a == last_.a && b == last_.b) return;
    // A column over the column before, in the same colour: only the part
    // outside it changes (a vertical line covers its column from end to end).
    const bool column = a.x() == b.x() && last_.a.x() == last_.b.x() && a.x() == last_.a.x();
    const int top = std::min(a.y(), b.y()), bottom = std::max(a.y(), b.y());
    const int lastTop = std::min(last_.a.y(), last_.b.y());
    const int lastBottom = std::max(last_.a.y(), last_.b.y());
    if (column && top <= lastBottom + 1 && bottom >= lastTop - 1) {
      if (top < lastTop) FillColumn(a.x(), top, lastTop - 1, argb);
      if (bottom > lastBottom) FillColumn(a.x(), lastBottom + 1, bottom, argb);
      last_ = {QPoint(a.x(), std::min(top, lastTop)), QPoint(a.x(), std::max(bottom, lastBottom)),
               argb, true};
      return;
    }
  }
  last_ = {a, b, argb, true};
  auto* bits = reinterpret_cast<std::uint32_t*>(image_.bits());
  const int stride = static_cast<int>(image_.bytesPerLine() / 4);
  const auto inside = [&](QPoint p) { return p.x() >= 0 && p.y() >= 0 && p.x() < w && p.y() < h; };
  if (inside(a) && inside(b)) {
    TraceLine<false>(bits, stride, w, h, a, b, argb);
  } else {
    TraceLine<true>(bits, stride, w, h, a, b, argb);
  }
}

void RasterCanvas::FillColumn(int x, int top, int bottom, std::uint32_t argb) {
  if (x < 0 || x >= image_.width()) return;
  top = std::max(top, 0);
  bottom = std::min(bottom, image_.height() - 1);
  if (top > bottom) return;
  const qsizetype stride = image_.bytesPerLine() / 4;
  auto* pixel = reinterpret_cast<std::uint32_t*>(image_.bits()) + top * stride + x;
  for (int y = top; y <= bottom; ++y, pixel += stride) *pixel = argb;
}

void RasterCanvas::Point(float x, float y, Colour c) {
  last_.valid = false;
  if (!Finite(x, y)) return;
  const QPoint p = PixelOf(x, y);
  SetPixel(p.x(), p.y(), Argb(c));
}

void RasterCanvas::Text(float x, float y, std::string_view text, Colour anchor) {
  PlotPoint(x, y, anchor);  // forgets the last line too
  if (!Finite(x, y)) return;
  const QPoint p = PixelOf(x, y);
  QPainter painter(&image_);
  painter.setFont(font_);
  painter.setPen(QColor::fromRgb(RgbOf(Colour::Foreground)));
  painter.drawText(QPoint(p.x(), p.y() + ascent_), QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}
