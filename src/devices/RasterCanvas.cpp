#include "devices/RasterCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "devices/Finite.h"
#include "devices/WindowFont.h"
#include "drawing/DrawingUnits.h"

namespace {

// Far enough outside any screen to clip, small enough for int arithmetic.
constexpr double kPixelLimit = 1 << 20;

// Rounds half away from zero, as std::lround does, without a library call:
// the cast truncates, and p minus its truncation is exact.
inline int RoundToPixel(double p) {
  p = std::clamp(p, -kPixelLimit, kPixelLimit);
  const long long whole = static_cast<long long>(p);
  const double fraction = p - static_cast<double>(whole);
  return static_cast<int>(whole + (fraction >= 0.5) - (fraction <= -0.5));
}

std::uint32_t Argb(Colour c) { return 0xFF000000u | RgbOf(c); }

// Bresenham's line from a to b, both ends included, stepping one pixel at a
// time along the longer axis, restricted to the pixels inside a w x h image.
// After i steps the walk has moved round(i * minor / major) pixels across,
// halves rounding down; so the steps that fall inside the image are found
// without walking the ones outside, and the walk inside runs on the pixel's
// index alone, with the error term it would have had.
class BresenhamLine {
 public:
  BresenhamLine(QPoint a, QPoint b) : a_(a) {
    const int dx = b.x() - a.x(), dy = b.y() - a.y();
    xMajor_ = std::abs(dx) >= std::abs(dy);
    major_ = xMajor_ ? std::abs(dx) : std::abs(dy);
    minor_ = xMajor_ ? std::abs(dy) : std::abs(dx);
    stepX_ = dx < 0 ? -1 : 1;
    stepY_ = dy < 0 ? -1 : 1;
  }

  // The whole line, both ends being inside the image.
  void Trace(std::uint32_t* bits, qsizetype stride, std::uint32_t argb) const {
    Walk(bits, stride, 0, major_, argb);
  }

  // The part inside a w x h image.
  void TraceClipped(std::uint32_t* bits, qsizetype stride, int w, int h, std::uint32_t argb) const {
    // Along the major axis the pixel moves every step: a plain interval.
    const int along0 = xMajor_ ? a_.x() : a_.y(), alongSize = xMajor_ ? w : h;
    const int alongStep = xMajor_ ? stepX_ : stepY_;
    long long first = 0, last = major_;
    if (alongStep > 0) {
      first = std::max<long long>(first, -along0);
      last = std::min<long long>(last, alongSize - 1 - along0);
    } else {
      first = std::max<long long>(first, along0 - (alongSize - 1));
      last = std::min<long long>(last, along0);
    }
    if (first > last) return;
    // Across, it moves now and then: the first and last steps inside.
    const int across0 = xMajor_ ? a_.y() : a_.x(), acrossSize = xMajor_ ? h : w;
    const int acrossStep = xMajor_ ? stepY_ : stepX_;
    const long long low = acrossStep > 0 ? -across0 : across0 - (acrossSize - 1);
    const long long high = acrossStep > 0 ? acrossSize - 1 - across0 : across0;
    first = FirstStepAcrossAtLeast(low, first, last);
    last = LastStepAcrossAtMost(high, first, last);
    if (first > last) return;
    Walk(bits, stride, first, last, argb);
  }

 private:
  QPoint a_;
  bool xMajor_;
  int major_, minor_, stepX_, stepY_;

  // Steps first to last, with the error term the walk from step 0 would have.
  void Walk(std::uint32_t* bits, qsizetype stride, long long first, long long last,
            std::uint32_t argb) const {
    const qsizetype along = xMajor_ ? stepX_ : stepY_ * stride;
    const qsizetype across = xMajor_ ? stepY_ * stride : stepX_;
    const long long moved = first == 0 ? 0 : Across(first);
    const qsizetype x = a_.x() + (xMajor_ ? stepX_ * first : stepX_ * moved);
    const qsizetype y = a_.y() + (xMajor_ ? stepY_ * moved : stepY_ * first);
    qsizetype at = y * stride + x;
    long long d = 2LL * minor_ * (first + 1) - major_ - 2LL * major_ * moved;
    for (long long i = first; i <= last; ++i) {
      bits[at] = argb;
      if (d > 0) {
        at += across;
        d -= 2LL * major_;
      }
      d += 2LL * minor_;
      at += along;
    }
  }

  // Pixels moved across after i steps.
  long long Across(long long i) const {
    return major_ == 0 ? 0 : (2LL * i * minor_ + major_ - 1) / (2LL * major_);
  }
  long long FirstStepAcrossAtLeast(long long low, long long first, long long last) const {
    if (Across(first) >= low) return first;
    while (first < last) {  // Across(first) < low
      const long long mid = first + (last - first) / 2;
      if (Across(mid) >= low)
        last = mid;
      else
        first = mid + 1;
    }
    return Across(first) >= low ? first : last + 1;
  }
  long long LastStepAcrossAtMost(long long high, long long first, long long last) const {
    if (first > last) return last;
    if (Across(last) <= high) return last;
    while (first < last) {  // Across(last) > high
      const long long mid = last - (last - first) / 2;
      if (Across(mid) <= high)
        first = mid;
      else
        last = mid - 1;
    }
    return Across(first) <= high ? first : first - 1;
  }
};

}  // namespace

RasterCanvas::RasterCanvas(QImage& image, RasterView view)
    : image_(image),
      view_(view),
      width_(image.width()),
      height_(image.height()),
      across_(DrawingUnits::kPixelsAcross * view.scale),
      down_(DrawingUnits::kPixelsDown * view.scale),
      font_(WindowFont()) {
  // Fully hinted glyphs sit on whole pixels: the letters of a word keep even
  // gaps at the window font's 11 pixels.
  font_.setHintingPreference(QFont::PreferFullHinting);
  ascent_ = QFontMetrics(font_).ascent();
}

QPoint RasterCanvas::PixelOf(float x, float y) {
  return {RoundToPixel(x * DrawingUnits::kPixelsAcross),
          RoundToPixel(y * DrawingUnits::kPixelsDown)};
}

inline QPoint RasterCanvas::Map(float x, float y) const {
  return {RoundToPixel(x * across_) + view_.origin.x(), RoundToPixel(y * down_) + view_.origin.y()};
}

namespace {

template <typename Box>
Box BoxOf(QPoint a, QPoint b) {
  return {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
          std::max(a.y(), b.y())};
}

}  // namespace

bool RasterCanvas::Repeats(QPoint a, QPoint b, const Box& box, std::uint32_t argb) {
  for (int k = 0; k < kRemembered; ++k) {
    const Traced& t = traced_[k];
    if (!t.valid || t.argb != argb) continue;
    // A column or row covers its pixels whichever way it was traced.
    const bool same = (a == t.a && b == t.b) ||
                      (box.left == box.right && t.box.left == t.box.right && t.box.Holds(box)) ||
                      (box.top == box.bottom && t.box.top == t.box.bottom && t.box.Holds(box));
    if (!same) continue;
    std::rotate(traced_.begin(), traced_.begin() + k, traced_.begin() + k + 1);
    return true;
  }
  return false;
}

bool RasterCanvas::ExtendsColumn(QPoint a, const Box& box, std::uint32_t argb) {
  // A column next to or over the column before, in the same colour: only
  // the part outside it changes.
  Traced& t = traced_[0];
  if (!t.valid || t.argb != argb || box.left != box.right || t.box.left != t.box.right ||
      a.x() != t.box.left) {
    return false;
  }
  if (box.top > t.box.bottom + 1 || box.bottom < t.box.top - 1) return false;
  Overwrite(box, argb);
  if (box.top < t.box.top) FillColumn(a.x(), box.top, t.box.top - 1, argb);
  if (box.bottom > t.box.bottom) FillColumn(a.x(), t.box.bottom + 1, box.bottom, argb);
  t.a = QPoint(a.x(), std::min(box.top, t.box.top));
  t.b = QPoint(a.x(), std::max(box.bottom, t.box.bottom));
  t.box = BoxOf<Box>(t.a, t.b);
  return true;
}

void RasterCanvas::Remember(const Traced& line) {
  std::move_backward(traced_.begin(), traced_.end() - 1, traced_.end());
  traced_[0] = line;
}

void RasterCanvas::Overwrite(const Box& pixels, std::uint32_t argb) {
  for (Traced& t : traced_) {
    if (t.valid && t.argb != argb && t.box.Meets(pixels)) t.valid = false;
  }
}

void RasterCanvas::Line(float x1, float y1, float x2, float y2, Colour c) {
  if (!Finite(x1, y1) || !Finite(x2, y2)) return;
  const QPoint a = Map(x1, y1);
  const QPoint b = Map(x2, y2);
  const int w = width_, h = height_;
  // Wholly on one side of the image: nothing to draw.
  if ((a.x() < 0 && b.x() < 0) || (a.y() < 0 && b.y() < 0) || (a.x() >= w && b.x() >= w) ||
      (a.y() >= h && b.y() >= h)) {
    return;
  }
  const std::uint32_t argb = Argb(c);
  const Traced& newest = traced_[0];
  if (newest.valid && newest.argb == argb && newest.a == a && newest.b == b) return;
  const Box box = BoxOf<Box>(a, b);
  if (Repeats(a, b, box, argb) || ExtendsColumn(a, box, argb)) return;
  Overwrite(box, argb);
  Remember({a, b, box, argb, true});
  auto* bits = reinterpret_cast<std::uint32_t*>(image_.bits());
  const qsizetype stride = image_.bytesPerLine() / 4;
  const auto inside = [&](QPoint p) { return p.x() >= 0 && p.y() >= 0 && p.x() < w && p.y() < h; };
  if (inside(a) && inside(b)) {
    BresenhamLine(a, b).Trace(bits, stride, argb);
  } else {
    BresenhamLine(a, b).TraceClipped(bits, stride, w, h, argb);
  }
}

void RasterCanvas::FillColumn(int x, int top, int bottom, std::uint32_t argb) {
  if (x < 0 || x >= width_) return;
  top = std::max(top, 0);
  bottom = std::min(bottom, height_ - 1);
  if (top > bottom) return;
  const qsizetype stride = image_.bytesPerLine() / 4;
  auto* pixel = reinterpret_cast<std::uint32_t*>(image_.bits()) + top * stride + x;
  for (int y = top; y <= bottom; ++y, pixel += stride) *pixel = argb;
}

void RasterCanvas::Fill(const QRect& pixels, std::uint32_t argb) {
  const QRect inside = pixels & image_.rect();
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(image_.scanLine(y));
    std::fill(row + inside.left(), row + inside.right() + 1, argb);
  }
}

void RasterCanvas::Point(float x, float y, Colour c) {
  if (!Finite(x, y)) return;
  // One screen pixel, however many image pixels that takes.
  const int side = std::max(1, RoundToPixel(view_.scale));
  const QRect square(Map(x, y), QSize(side, side));
  const std::uint32_t argb = Argb(c);
  Overwrite({square.left(), square.top(), square.right(), square.bottom()}, argb);
  Fill(square, argb);
}

void RasterCanvas::Text(float x, float y, std::string_view text, Colour anchor) {
  PlotPoint(x, y, anchor);
  if (!Finite(x, y)) return;
  for (Traced& t : traced_) t.valid = false;  // glyphs may touch any line nearby
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.translate(Map(x, y));
  painter.scale(view_.scale, view_.scale);
  painter.setFont(font_);
  painter.setPen(QColor::fromRgb(RgbOf(Colour::Foreground)));
  painter.drawText(QPoint(0, ascent_),
                   QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}
