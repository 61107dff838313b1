#pragma once

#include <QPainter>
#include <QRectF>

// The sheet a printer is calibrated with: a 100 mm rule across and one
// down, long ticks every centimetre and short ones every millimetre, and a
// short text that says what to measure. Printed at true scale, it shows how
// long the printer makes 100 mm along each axis.

// Everything on it, in millimetres from the sheet's top-left corner.
QRectF CalibrationSheetMillimetres();

// Paints it; `painter`'s origin is the sheet's top-left corner and the
// device has `dotsPerInch`.
void PaintCalibrationSheet(QPainter& painter, double dotsPerInch);
