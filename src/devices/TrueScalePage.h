#pragma once

#include <QPageLayout>
#include <QPainter>
#include <QRectF>

#include "devices/RecordingCanvas.h"

// A page of paper carrying a drawing at true scale, its origin 10 mm from
// the top and left edges of the sheet, and below it a 100 mm calibration
// rule with which the user checks that the printer kept the scale.

// The extent of a drawing in millimetres from its origin: every line end,
// every point's pixel and every text's box.
QRectF DrawingBoundsMillimetres(const CallList& calls);

// Whether the drawing, placed at the 10 mm origin, lies inside the area of
// the sheet that the printer can print.
bool FitsPrintableArea(const CallList& calls, const QPageLayout& layout);

// Paints the drawing and the calibration rule; `painter`'s origin is the
// sheet's top-left corner and the device has `dotsPerInch`.
void PaintTrueScalePage(QPainter& painter, double dotsPerInch, const CallList& calls);

// The words beside the calibration rule.
inline constexpr char kCalibrationText[] = "100 mm: verificare la scala di stampa";
