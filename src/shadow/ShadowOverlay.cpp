#include "shadow/ShadowOverlay.h"

#include <QFontMetrics>

#include "solar/DeltaChart.h"
#include "solar/PlateGeometry.h"

namespace {

// The plate's outline across, and the colours of the overlay: a shade that
// leaves black lines black, a column and an edge that no piece draws in.
constexpr double kPlateLeft = 100, kPlateRight = 3900;
const QColor kShade(20, 30, 90, 70);
const QColor kEdge(20, 30, 120);
const QColor kDay(200, 30, 30);

QPen CosmeticPen(const QColor& colour, double width) {
  QPen pen(colour, width);
  pen.setCosmetic(true);  // device pixels, whatever the zoom
  return pen;
}

// A dot of `pixels` across at a point in drawing units.
void Dot(QPainter& painter, QPointF at, double pixels, const QColor& colour) {
  const QPointF device = painter.transform().map(at);
  painter.save();
  painter.resetTransform();
  painter.setPen(CosmeticPen(Qt::white, 1.5));
  painter.setBrush(colour);
  painter.drawEllipse(device, pixels / 2, pixels / 2);
  painter.restore();
}

}  // namespace

void PaintPlateCShadow(QPainter& painter, const ShadowReading& r) {
  if (!r.shadow) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const double edge = r.shadow->y;
  painter.fillRect(QRectF(QPointF(kPlateLeft, edge), QPointF(kPlateRight, kPlateBottom)), kShade);
  painter.setPen(CosmeticPen(kEdge, 2));
  painter.drawLine(QPointF(kPlateLeft, edge), QPointF(kPlateRight, edge));
  painter.setPen(CosmeticPen(kDay, 2));
  painter.drawLine(QPointF(r.shadow->x, kPlateTop), QPointF(r.shadow->x, kPlateBottom));
  painter.setRenderHint(QPainter::Antialiasing, true);
  Dot(painter, {r.shadow->x, edge}, 11, kDay);
  painter.restore();
}

void PaintPlateBDay(QPainter& painter, const ShadowReading& r) {
  namespace chart = DeltaChart;
  const double x = chart::RowX(r.row);
  const double y = chart::ValueY(chart::TopValue(r.query.site.LongitudeOffset), r.deltaMinutes);
  painter.save();
  painter.setPen(CosmeticPen(kDay, 2));
  painter.drawLine(QPointF(x, chart::y0 - 50),
                   QPointF(x, chart::y0 + chart::DateLineHeight * chart::s + 50));
  painter.drawLine(QPointF(chart::x0, y), QPointF(chart::RightEdge, y));
  painter.setRenderHint(QPainter::Antialiasing, true);
  Dot(painter, {x, y}, 11, kDay);
  painter.restore();
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
