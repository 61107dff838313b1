#include "devices/PaperCanvas.h"

#include <QFontMetricsF>
#include <cmath>

#include "devices/Finite.h"
#include "devices/WindowFont.h"
#include "drawing/DrawingUnits.h"

namespace {

QColor ColourOf(Colour c) { return QColor::fromRgb(RgbOf(c)); }

}  // namespace

PaperCanvas::PaperCanvas(QPainter& painter, double dotsPerInch)
    : painter_(painter),
      dotsPerUnitX_(DrawingUnits::kTwipsAcross / DrawingUnits::kTwipsPerInch * dotsPerInch),
      dotsPerUnitY_(DrawingUnits::kTwipsDown / DrawingUnits::kTwipsPerInch * dotsPerInch),
      originDots_(kOriginMillimetres / DrawingUnits::kMillimetresPerInch * dotsPerInch),
      font_(WindowFont()) {
  // The window's 11-pixel font is 8.25 pt on paper, at 15 twips per pixel.
  font_.setPointSizeF(DrawingUnits::kPaperFontPoints);
  painter_.setFont(font_);
  ascent_ = QFontMetricsF(painter_.font(), painter_.device()).ascent();
  painter_.setRenderHint(QPainter::Antialiasing, false);
}

QPointF PaperCanvas::DotsOf(double x, double y) const {
  return {originDots_ + x * dotsPerUnitX_, originDots_ + y * dotsPerUnitY_};
}

void PaperCanvas::Line(float x1, float y1, float x2, float y2, Colour c) {
  if (!Finite(x1, y1) || !Finite(x2, y2)) return;
  // A cosmetic pen (width 0) is one device pixel, and stays a plain line.
  painter_.setPen(QPen(ColourOf(c), 0));
  painter_.drawLine(DotsOf(x1, y1), DotsOf(x2, y2));
}

void PaperCanvas::Point(float x, float y, Colour c) {
  if (!Finite(x, y)) return;
  // One screen pixel at true scale: 1/96 inch square.
  const QPointF corner = DotsOf(x, y);
  const QPointF size(dotsPerUnitX_ / DrawingUnits::kPixelsAcross,
                     dotsPerUnitY_ / DrawingUnits::kPixelsDown);
  painter_.fillRect(QRectF(corner, corner + size), ColourOf(c));
}

void PaperCanvas::Text(float x, float y, std::string_view text, Colour anchor) {
  PlotPoint(x, y, anchor);
  if (!Finite(x, y)) return;
  painter_.setPen(ColourOf(Colour::Foreground));
  const QPointF corner = DotsOf(x, y);
  painter_.drawText(QPointF(corner.x(), corner.y() + ascent_),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}
