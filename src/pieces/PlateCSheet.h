#pragma once

#include "drawing/Canvas.h"
#include "drawing/DrawingParameters.h"
#include "solar/DayTable.h"
#include "solar/PlateGeometry.h"

// What both plates C share: the sheet around the dial area and the steps of
// one table row once its shadow point is known.
namespace GRAPH1 {

// Outline with its tab, the letters "C" and "C1", and the month scale.
void DrawPlateCSheet(Canvas& canvas, double dayStep);

// A plate C ready for its hour lines.
struct PlateCStart {
  Canvas& canvas;
  double phi;  // the drawing's latitude, off the tropics; the zenith guard may move it
  PlateGeometry plate;
  DateLineSpacing dateSpacing;
};

// What both plates C do before their hour lines: the plate's inclination,
// the solstice adjustment of the latitude, and the sheet.
PlateCStart StartPlateC(Canvas& canvas, const DrawingParameters& parameters);

// The state of one hour line while it walks the table.
struct HourLine {
  bool running = false;   // drawing a connected run of visible points
  double xp = 0, yp = 0;  // the previous point of the run

  // A run starts on the first point whose altitude passes the threshold
  // (above 0, or from 0 on when `startAtZero`) and ends below the horizon.
  void UpdateRun(double h, double x, double y, bool startAtZero);
};

// The row's noon shading (on the noon line), the border redraw and the
// segment of the hour line, in this order.
void DrawHourLineRow(Canvas& canvas, HourLine& line, bool noonLine, int dayIndex, double h,
                     double x, double y, double dayStep);

// The two hour numbers of a line, beside the dial area 30 units above it.
void DrawHourNumbers(Canvas& canvas, double y, long long left, long long right);

// The row's date line, from the top of the dial area (10th and 20th, with
// ten-day spacing) or of the month scale (month ends) down to its point.
void DrawDateLine(Canvas& canvas, const DayRow& row, DateLineSpacing dateSpacing, double h,
                  double x, double y);

}  // namespace GRAPH1
