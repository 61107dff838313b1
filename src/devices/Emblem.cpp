#include "devices/Emblem.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

QImage EmblemImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 64.0, size / 64.0);

  // Sun, top left, with eight short rays.
  const QPointF sun(18, 18);
  p.setPen(QPen(QColor(200, 120, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
  for (int k = 0; k < 8; ++k) {
    const double a = k * M_PI / 4;
    p.drawLine(sun + QPointF(10 * std::cos(a), 10 * std::sin(a)),
               sun + QPointF(14 * std::cos(a), 14 * std::sin(a)));
  }
  p.setBrush(QColor(255, 200, 0));
  p.setPen(QPen(QColor(200, 120, 0), 1.5));
  p.drawEllipse(sun, 7, 7);

  // Base board and the dial plate leaning at 45 degrees against a back plate.
  p.setPen(QPen(QColor(40, 40, 40), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(230, 230, 230));
  p.drawRect(QRectF(6, 54, 52, 5));
  QPainterPath plate;
  plate.moveTo(18, 54);
  plate.lineTo(50, 22);
  plate.lineTo(50, 54);
  plate.closeSubpath();
  p.setBrush(QColor(255, 255, 210));
  p.drawPath(plate);

  // Hour lines on the plate and the shadow falling across them.
  p.setPen(QPen(QColor(40, 40, 40), 1));
  for (int k = 1; k <= 3; ++k) p.drawLine(QPointF(50 - 7 * k, 54), QPointF(50, 54 - 8 * k));
  p.setPen(QPen(QColor(60, 60, 140), 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(50, 22), QPointF(36, 50));
  return image;
}
