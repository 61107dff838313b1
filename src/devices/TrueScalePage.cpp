#include "devices/TrueScalePage.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "devices/PaperCanvas.h"
#include "devices/WindowFont.h"
#include "drawing/DrawingUnits.h"

namespace {

constexpr double kOrigin = PaperCanvas::kOriginMillimetres;
constexpr double kGapAboveRule = 8;  // millimetres between the drawing and the rule

double MmAcross(double units) { return units * DrawingUnits::kMillimetresAcross; }
double MmDown(double units) { return units * DrawingUnits::kMillimetresDown; }

// The rule's words, 8.25 pt: their box in millimetres from the rule's left end.
QFont RuleFont() {
  QFont font = WindowFont();
  font.setPointSizeF(DrawingUnits::kPaperFontPoints);
  return font;
}

constexpr double kRuleTextGap = 104;  // millimetres from the rule's left end to its words
constexpr double kRuleDrop = 5;       // millimetres from the rule's top to its line

void DrawCalibrationRule(QPainter& painter, double dotsPerInch, double topMm) {
  const double dotsPerMm = dotsPerInch / DrawingUnits::kMillimetresPerInch;
  const auto at = [&](double xMm, double yMm) { return QPointF(xMm * dotsPerMm, yMm * dotsPerMm); };
  const double baseline = topMm + kRuleDrop;
  painter.setPen(QPen(Qt::black, 0));
  painter.drawLine(at(kOrigin, baseline), at(kOrigin + 100, baseline));
  for (int mm = 0; mm <= 100; mm += 10) {
    const double tick = mm % 50 == 0 ? 5 : 3;
    painter.drawLine(at(kOrigin + mm, baseline), at(kOrigin + mm, baseline - tick));
  }
  painter.setFont(RuleFont());
  painter.drawText(at(kOrigin + kRuleTextGap, baseline), QString::fromUtf8(kCalibrationText));
}

}  // namespace

QRectF DrawingBoundsMillimetres(const CallList& calls) {
  QFont font = WindowFont();
  const QFontMetricsF metrics(font);  // pixels at 15 twips per pixel
  double left = 0, top = 0, right = 0, bottom = 0;
  bool any = false;
  const auto take = [&](double x1, double y1, double x2, double y2) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
      return;
    if (!any) {
      left = x1, top = y1, right = x2, bottom = y2;
      any = true;
    }
    left = std::min(left, x1);
    top = std::min(top, y1);
    right = std::max(right, x2);
    bottom = std::max(bottom, y2);
  };
  const double pixelAcross = 1 / DrawingUnits::kPixelsAcross;
  const double pixelDown = 1 / DrawingUnits::kPixelsDown;
  for (const DrawCall& call : calls) {
    if (const auto* l = std::get_if<LineCall>(&call)) {
      take(std::min(l->x1, l->x2), std::min(l->y1, l->y2), std::max(l->x1, l->x2),
           std::max(l->y1, l->y2));
    } else if (const auto* p = std::get_if<PointCall>(&call)) {
      take(p->x, p->y, p->x + pixelAcross, p->y + pixelDown);
    } else {
      const auto& t = std::get<TextCall>(call);
      const double width = metrics.horizontalAdvance(QString::fromStdString(t.text));
      take(t.x, t.y, t.x + std::max(width, 1.0) * pixelAcross, t.y + metrics.height() * pixelDown);
    }
  }
  if (!any) return {};
  return QRectF(QPointF(MmAcross(left), MmDown(top)), QPointF(MmAcross(right), MmDown(bottom)));
}

QRectF PageContentMillimetres(const CallList& calls) {
  const QRectF drawing = DrawingBoundsMillimetres(calls).translated(kOrigin, kOrigin);
  // The rule hangs kGapAboveRule below the drawing; its words stand on its
  // line, rising by the font's ascent and reaching past its right end.
  const double ruleTop = drawing.bottom() + kGapAboveRule;
  const double baseline = ruleTop + kRuleDrop;
  const QFontMetricsF metrics(RuleFont());  // at the screen's dots per inch
  const double mmPerDot = DrawingUnits::kMillimetresPerInch / metrics.fontDpi();
  const QRectF words(kOrigin + kRuleTextGap, baseline - metrics.ascent() * mmPerDot,
                     metrics.horizontalAdvance(QString::fromUtf8(kCalibrationText)) * mmPerDot,
                     metrics.height() * mmPerDot);
  const QRectF rule(kOrigin, ruleTop, 100, kRuleDrop);
  return drawing.united(rule).united(words);
}

bool FitsPrintableArea(const CallList& calls, const QPageLayout& layout) {
  QPageLayout inMillimetres = layout;
  inMillimetres.setUnits(QPageLayout::Millimeter);
  const QMarginsF m = inMillimetres.minimumMargins();
  const double margin = std::max({m.left(), m.top(), m.right(), m.bottom(), 0.0});
  const QRectF sheet = inMillimetres.fullRect(QPageLayout::Millimeter);
  return sheet.adjusted(margin, margin, -margin, -margin).contains(PageContentMillimetres(calls));
}

void PaintTrueScalePage(QPainter& painter, double dotsPerInch, const CallList& calls) {
  PaperCanvas canvas(painter, dotsPerInch);
  Replay(calls, canvas);
  const QRectF drawing = DrawingBoundsMillimetres(calls);
  DrawCalibrationRule(painter, dotsPerInch, kOrigin + drawing.bottom() + kGapAboveRule);
}
