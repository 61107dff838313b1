#pragma once

#include <QPainter>
#include <QString>

#include "shadow/ShadowAtInstant.h"

// The shadow drawn over a plate, never into it: `painter` maps drawing units
// to its device, the plate's image lies under it already.

// Plate C: the part in shadow, from the shadow's edge down to the plate's
// lower edge, shaded so the lines stay readable; the day's column, and the
// point where the edge crosses it. Nothing with the Sun below the horizon.
void PaintPlateCShadow(QPainter& painter, const ShadowReading& r);

// Plate B: the day's column and its delta on the chart.
void PaintPlateBDay(QPainter& painter, const ShadowReading& r);

// The reading in a band along the bottom of `area`, device pixels.
void PaintSentence(QPainter& painter, const QRect& area, const QString& sentence);
