#include "shell/BookletIcon.h"

#include <QPainterPath>

#include "shell/DrawnIcon.h"

QIcon BookletIcon() {
  return DrawnIcon([](QPainter& p) {
    // Two pages meeting at the spine, a little raised at the outer edges.
    const QPen edge(QColor(40, 40, 40), 1.2);
    p.setPen(edge);
    p.setBrush(Qt::white);
    for (const double side : {-1.0, 1.0}) {
      QPainterPath page;
      page.moveTo(12, 6);
      page.cubicTo(12 + side * 4, 4, 12 + side * 8, 4, 12 + side * 10.5, 5);
      page.lineTo(12 + side * 10.5, 20);
      page.cubicTo(12 + side * 8, 19, 12 + side * 4, 19, 12, 21);
      page.closeSubpath();
      p.drawPath(page);
    }
    p.drawLine(QPointF(12, 6), QPointF(12, 21));
    // The left page: a leaning dial; the right page: lines of text.
    p.setPen(QPen(QColor(200, 120, 0), 1.2));
    p.drawLine(QPointF(4, 17), QPointF(10, 17));
    p.drawLine(QPointF(5, 17), QPointF(9.5, 9));
    p.setPen(QPen(QColor(90, 90, 90), 1));
    for (const double y : {9.0, 12.0, 15.0, 18.0})
      p.drawLine(QPointF(14, y), QPointF(20.5, y - 0.4));
  });
}
