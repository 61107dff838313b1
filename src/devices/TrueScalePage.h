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

// Everything the page carries, in millimetres from the sheet's top-left
// corner: the drawing at the 10 mm origin, the calibration rule and its words.
QRectF PageContentMillimetres(const CallList& calls);

// Whether everything the page carries lies on the sheet of `layout` and clear
// of the printer's unprintable margins. Which edge of a landscape sheet met
// which edge of the printer is not always known, so the widest margin counts
// on every edge.
bool FitsPrintableArea(const CallList& calls, const QPageLayout& layout);

// Paints the drawing and the calibration rule; `painter`'s origin is the
// sheet's top-left corner and the device has `dotsPerInch`.
void PaintTrueScalePage(QPainter& painter, double dotsPerInch, const CallList& calls);

// The words beside the calibration rule.
inline constexpr char kCalibrationText[] = "100 mm: verificare la scala di stampa";
