#include "shadow/ShadowOverlay.h"

#include <QCoreApplication>
#include <QFontMetrics>

#include "drawing/DrawingUnits.h"
#include "shadow/ShadowWords.h"
#include "solar/DeltaChart.h"
#include "solar/PlateGeometry.h"

namespace {

// The colours of the overlay: a shade that leaves black lines black, a
// column and an edge that no piece draws in.
const QColor kShade(20, 30, 90, 70);
const QColor kEdge(20, 30, 120);
const QColor kDay(200, 30, 30);
constexpr double kLineWidth = 2, kDotSize = 11, kLabelPixels = 11;
// A screen pixel in drawing units, across and down.
constexpr double kUnitsPerPixelAcross = 1 / DrawingUnits::kPixelsAcross;
constexpr double kUnitsPerPixelDown = 1 / DrawingUnits::kPixelsDown;

QPen Pen(const QColor& colour, double width) {
  QPen pen(colour, width);
  pen.setCosmetic(true);  // device units, whatever the zoom
  return pen;
}

// The label's box beside a dot at `device`: right of it and above, or left
// of it near the plate's right edge, so that it never covers the dot.
QRectF LabelBox(QPointF device, const QSizeF& size, bool toTheLeft, double pixel) {
  const double gap = 9 * pixel;
  const double left = toTheLeft ? device.x() - gap - size.width() : device.x() + gap;
  return {QPointF(left, device.y() - gap - size.height()), size};
}

bool LabelToTheLeft(QPointF dot) { return dot.x() > 3000; }

QString Number(double value) { return QString::number(value, 'f', 3); }

QString SvgColour(const QColor& c) {
  return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

}  // namespace

ShadowMarks ShadowMarksFor(const ShadowReading& r, bool plateB) {
  ShadowMarks marks;
  if (plateB) {
    namespace chart = DeltaChart;
    const double x = chart::RowX(r.row);
    const double y = chart::ValueY(chart::TopValue(r.query.site().LongitudeOffset), r.deltaMinutes);
    marks.lines = {
        {{x, chart::y0 - 50, x, chart::y0 + chart::DateLineHeight * chart::s + 50}, kDay},
        {{chart::x0, y, chart::RightEdge, y}, kDay}};
    marks.dot = QPointF(x, y);
    marks.label = QCoreApplication::translate("ShadowText", "delta %1 min")
                      .arg(RoundedText(r.deltaMinutes, 2, QLocale()));
    return marks;
  }
  if (!r.shadow) return marks;
  const double edge = r.shadow->y, x = r.shadow->x;
  marks.shade = QRectF(QPointF(kPlateLeft, edge), QPointF(kPlateRight, kPlateBottom));
  // The edge stops at the dial's sides: the plate's hour numbers stand
  // beyond them and stay readable.
  marks.lines = {{{kDialLeft, edge, kDialRight, edge}, kEdge},
                 {{x, kPlateTop, x, kPlateBottom}, kDay}};
  marks.dot = QPointF(x, edge);
  const PlateReading shown = ShownOnPlateC(r);
  marks.label =
      QCoreApplication::translate("ShadowText", "%1 o %2").arg(shown.morning, shown.afternoon);
  return marks;
}

void PaintShadowMarks(QPainter& painter, const ShadowMarks& marks, double pixel) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (marks.shade) painter.fillRect(*marks.shade, kShade);
  for (const ShadowMarks::Line& l : marks.lines) {
    painter.setPen(Pen(l.colour, kLineWidth * pixel));
    painter.drawLine(l.line);
  }
  if (marks.dot) {
    const QPointF device = painter.transform().map(*marks.dot);
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Pen(Qt::white, 1.5 * pixel));
    painter.setBrush(kDay);
    painter.drawEllipse(device, kDotSize / 2 * pixel, kDotSize / 2 * pixel);
    QFont font = painter.font();
    font.setPixelSize(std::max(1, int(kLabelPixels * pixel + 0.5)));
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QSizeF text(metrics.horizontalAdvance(marks.label), metrics.height());
    const QRectF box =
        LabelBox(device, text + QSizeF(8 * pixel, 4 * pixel), LabelToTheLeft(*marks.dot), pixel);
    painter.setPen(Pen(kDay, 1 * pixel));
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, marks.label);
  }
  painter.restore();
}

QString ShadowMarksSvg(const ShadowMarks& marks) {
  QString svg = QStringLiteral("<g id=\"ombra\">\n");
  if (marks.shade) {
    const QRectF& s = *marks.shade;
    svg += QStringLiteral(
               "<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\" "
               "fill-opacity=\"%6\"/>\n")
               .arg(Number(s.x()), Number(s.y()), Number(s.width()), Number(s.height()),
                    SvgColour(kShade), Number(kShade.alphaF()));
  }
  for (const ShadowMarks::Line& l : marks.lines) {
    const bool across = l.line.dy() == 0;
    svg += QStringLiteral(
               "<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" "
               "stroke-width=\"%6\"/>\n")
               .arg(Number(l.line.x1()), Number(l.line.y1()), Number(l.line.x2()),
                    Number(l.line.y2()), SvgColour(l.colour),
                    Number(kLineWidth * (across ? kUnitsPerPixelDown : kUnitsPerPixelAcross)));
  }
  if (marks.dot) {
    const QPointF d = *marks.dot;
    svg += QStringLiteral(
               "<ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" fill=\"%5\" "
               "stroke=\"white\" stroke-width=\"%6\"/>\n")
               .arg(Number(d.x()), Number(d.y()), Number(kDotSize / 2 * kUnitsPerPixelAcross),
                    Number(kDotSize / 2 * kUnitsPerPixelDown), SvgColour(kDay),
                    Number(1.5 * kUnitsPerPixelDown));
    const bool left = LabelToTheLeft(d);
    svg +=
        QStringLiteral(
            "<text x=\"%1\" y=\"%2\" font-family=\"Liberation Sans\" "
            "font-weight=\"bold\" font-size=\"%3\" text-anchor=\"%4\" "
            "stroke=\"white\" stroke-width=\"%5\" paint-order=\"stroke\">%6</text>\n")
            .arg(Number(d.x() + (left ? -9 : 9) * kUnitsPerPixelAcross),
                 Number(d.y() - 9 * kUnitsPerPixelDown), Number(kLabelPixels * kUnitsPerPixelDown),
                 left ? QStringLiteral("end") : QStringLiteral("start"),
                 Number(3 * kUnitsPerPixelDown), marks.label.toHtmlEscaped());
  }
  return svg + QStringLiteral("</g>\n");
}

void PaintSentence(QPainter& painter, const QRect& area, const QString& sentence) {
  painter.save();
  painter.resetTransform();
  const QFontMetrics metrics(painter.font());
  const int margin = 4;
  const QRect text = metrics.boundingRect(area.adjusted(margin, 0, -margin, 0),
                                          Qt::TextWordWrap | Qt::AlignLeft, sentence);
  const QRect band(area.left(), area.bottom() - text.height() - 2 * margin + 1, area.width(),
                   text.height() + 2 * margin);
  painter.fillRect(band, QColor(255, 255, 255, 225));
  painter.setPen(Qt::black);
  painter.drawText(band.adjusted(margin, margin, -margin, -margin),
                   Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter, sentence);
  painter.restore();
}
