#pragma once

#include <QColor>
#include <QLineF>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "shadow/ShadowAtInstant.h"

// The shadow drawn over a plate, never into it, in drawing units: the part
// of plate C in shadow, shaded so that its lines stay readable, the shadow's
// edge, the day's column, and a dot where the edge crosses it with the
// reading beside it; on plate B the day's column and its delta. Nothing on
// plate C with the Sun below the horizon.
struct ShadowMarks {
  std::optional<QRectF> shade;
  struct Line {
    QLineF line;
    QColor colour;
  };
  std::vector<Line> lines;  // each two screen pixels wide
  std::optional<QPointF> dot;
  QString label;  // beside the dot: what the plate shows
};

ShadowMarks ShadowMarksFor(const ShadowReading& r, bool plateB);

// Paints the marks; `painter` maps drawing units to its device, the plate's
// image lies under it already, and `pixel` is one screen pixel in device
// units (1 on the screen; a PDF's dots per pixel at true scale). The label is
// set in the painter's font, at 11 screen pixels.
void PaintShadowMarks(QPainter& painter, const ShadowMarks& marks, double pixel = 1);

// The marks as SVG elements in drawing units, for a drawing's SVG.
QString ShadowMarksSvg(const ShadowMarks& marks);

// The reading in a band along the bottom of `area`, device pixels.
void PaintSentence(QPainter& painter, const QRect& area, const QString& sentence);
