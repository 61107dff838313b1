#pragma once

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QRectF>

#include "devices/RecordingCanvas.h"

// A page of paper carrying a drawing at true scale, its origin 10 mm from
// the top and left edges of the sheet, below it a 100 mm calibration rule
// and right of it a second one, down, with which the user checks that the
// printer kept the scale along both axes.

// The extent of a drawing in millimetres from its origin: every line end,
// every point's pixel and every text's box.
QRectF DrawingBoundsMillimetres(const CallList& calls);

// Everything the page carries, in millimetres from the sheet's top-left
// corner: the drawing at the 10 mm origin, the calibration rules and their
// words, and with `note` a line of small words under the rule across.
QRectF PageContentMillimetres(const CallList& calls, bool note = false);

// Whether everything the page carries, stretched by `scaleX` and `scaleY`
// from the sheet's corner, lies on the sheet of `layout` and clear of the
// printer's unprintable margins. Which edge of a landscape sheet met which
// edge of the printer is not always known, so the widest margin counts on
// every edge.
bool FitsPrintableArea(const CallList& calls, const QPageLayout& layout, double scaleX = 1,
                       double scaleY = 1, bool note = false);

// Paints the drawing and the calibration rules, and `note`, when given, in
// small words under the rule across; `painter`'s origin is the sheet's
// top-left corner and the device has `dotsPerInch`.
void PaintTrueScalePage(QPainter& painter, double dotsPerInch, const CallList& calls,
                        const QString& note = {});

// The words beside the calibration rule.
inline QString CalibrationText() {
  return QCoreApplication::translate("TrueScalePage", "100 mm: verificare la scala di stampa");
}
