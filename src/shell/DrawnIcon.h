#pragma once

#include <QIcon>
#include <QPainter>
#include <QPixmap>

// An icon drawn on a 24-unit square, at every size the toolkit asks for,
// smoothed: `draw` paints it with the painter already scaled.
template <typename Draw>
QIcon DrawnIcon(Draw draw) {
  QIcon icon;
  for (const int size : {16, 24, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);
    draw(p);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}
