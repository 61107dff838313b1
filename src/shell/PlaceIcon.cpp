#include "shell/PlaceIcon.h"

#include <QPainterPath>

#include "shell/DrawnIcon.h"

QIcon PlaceIcon() {
  return DrawnIcon([](QPainter& p) {
    // The globe: outline, equator, one meridian.
    p.setPen(QPen(QColor(30, 80, 160), 1.5));
    p.setBrush(QColor(200, 225, 255));
    p.drawEllipse(QPointF(11, 13), 9, 9);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(2, 13), QPointF(20, 13));
    p.drawEllipse(QPointF(11, 13), 4, 9);
    // The pin, red, standing on the globe.
    QPainterPath pin;
    pin.moveTo(17, 12);
    pin.cubicTo(13, 7, 13, 2, 17, 2);
    pin.cubicTo(21, 2, 21, 7, 17, 12);
    p.setPen(QPen(QColor(120, 0, 0), 1));
    p.setBrush(QColor(220, 30, 30));
    p.drawPath(pin);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(17, 5), 1.3, 1.3);
  });
}
