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

using DrawingUnits::MillimetresAcross;
using DrawingUnits::MillimetresDown;

// The rule's words, 8.25 pt: their box in millimetres from the rule's left end.
QFont RuleFont() {
  QFont font = WindowFont();
  font.setPointSizeF(DrawingUnits::kPaperFontPoints);
  return font;
}

constexpr double kRuleTextGap = 104;  // millimetres from the rule's left end to its words
constexpr double kRuleDrop = 5;       // millimetres from the rule's top to its line
constexpr double kNoteDrop = 4;       // millimetres from the rule's line to the note's baseline

QFont NoteFont() {
  QFont font = WindowFont();
  font.setPointSizeF(6);
  return font;
}

// The rule down, right of the drawing: its line kGapAboveRule right of the
// drawing's right edge, from the origin's height down 100 mm, its ticks
// towards the drawing, its words reading downward below it.
void DrawVerticalRule(QPainter& painter, double dotsPerInch, double lineMm) {
  const double dotsPerMm = dotsPerInch / DrawingUnits::kMillimetresPerInch;
  const auto at = [&](double xMm, double yMm) { return QPointF(xMm * dotsPerMm, yMm * dotsPerMm); };
  painter.setPen(QPen(Qt::black, 0));
  painter.drawLine(at(lineMm, kOrigin), at(lineMm, kOrigin + 100));
  for (int mm = 0; mm <= 100; mm += 10) {
    const double tick = mm % 50 == 0 ? 5 : 3;
    painter.drawLine(at(lineMm, kOrigin + mm), at(lineMm - tick, kOrigin + mm));
  }
  painter.save();
  painter.translate(at(lineMm, kOrigin + kRuleTextGap));
  painter.rotate(90);
  painter.setFont(RuleFont());
  painter.drawText(QPointF(0, 0), CalibrationText());
  painter.restore();
}

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
  painter.drawText(at(kOrigin + kRuleTextGap, baseline), CalibrationText());
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
  return QRectF(QPointF(MillimetresAcross(left), MillimetresDown(top)),
                QPointF(MillimetresAcross(right), MillimetresDown(bottom)));
}

QRectF PageContentMillimetres(const CallList& calls, bool note) {
  const QRectF drawing = DrawingBoundsMillimetres(calls).translated(kOrigin, kOrigin);
  // The rule hangs kGapAboveRule below the drawing; its words stand on its
  // line, rising by the font's ascent and reaching past its right end.
  const double ruleTop = drawing.bottom() + kGapAboveRule;
  const double baseline = ruleTop + kRuleDrop;
  const QFontMetricsF metrics(RuleFont());  // at the screen's dots per inch
  const double mmPerDot = DrawingUnits::kMillimetresPerInch / metrics.fontDpi();
  const QRectF words(kOrigin + kRuleTextGap, baseline - metrics.ascent() * mmPerDot,
                     metrics.horizontalAdvance(CalibrationText()) * mmPerDot,
                     metrics.height() * mmPerDot);
  const QRectF rule(kOrigin, ruleTop, 100, kRuleDrop);
  // The rule down, and its words turned to read downward: their ascent
  // reaches right of its line.
  const double line = drawing.right() + kGapAboveRule;
  const QRectF down(line - kRuleDrop, kOrigin, kRuleDrop, 100);
  const QRectF downWords(line - metrics.descent() * mmPerDot, kOrigin + kRuleTextGap,
                         metrics.height() * mmPerDot, words.width());
  QRectF content = drawing.united(rule).united(words).united(down).united(downWords);
  if (note) {
    const QFontMetricsF small(NoteFont());
    const double smallMm = DrawingUnits::kMillimetresPerInch / small.fontDpi();
    content = content.united(QRectF(kOrigin, baseline, 160, kNoteDrop + small.descent() * smallMm));
  }
  return content;
}

bool FitsPrintableArea(const CallList& calls, const QPageLayout& layout, double scaleX,
                       double scaleY, bool note) {
  QPageLayout inMillimetres = layout;
  inMillimetres.setUnits(QPageLayout::Millimeter);
  const QMarginsF m = inMillimetres.minimumMargins();
  const double margin = std::max({m.left(), m.top(), m.right(), m.bottom(), 0.0});
  const QRectF sheet = inMillimetres.fullRect(QPageLayout::Millimeter);
  const QRectF content = PageContentMillimetres(calls, note);
  const QRectF stretched(content.left() * scaleX, content.top() * scaleY, content.width() * scaleX,
                         content.height() * scaleY);
  return sheet.adjusted(margin, margin, -margin, -margin).contains(stretched);
}

void PaintTrueScalePage(QPainter& painter, double dotsPerInch, const CallList& calls,
                        const QString& note) {
  PaperCanvas canvas(painter, dotsPerInch);
  Replay(calls, canvas);
  const QRectF drawing = DrawingBoundsMillimetres(calls);
  const double ruleTop = kOrigin + drawing.bottom() + kGapAboveRule;
  DrawCalibrationRule(painter, dotsPerInch, ruleTop);
  DrawVerticalRule(painter, dotsPerInch, kOrigin + drawing.right() + kGapAboveRule);
  if (note.isEmpty()) return;
  const double dotsPerMm = dotsPerInch / DrawingUnits::kMillimetresPerInch;
  painter.setFont(NoteFont());
  painter.drawText(QPointF(kOrigin * dotsPerMm, (ruleTop + kRuleDrop + kNoteDrop) * dotsPerMm),
                   note);
}
