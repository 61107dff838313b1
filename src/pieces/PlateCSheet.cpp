#include "pieces/KitWords.h"
#include "pieces/PlateCSheet.h"

#include "drawing/AngleConstants.h"
#include "pieces/PieceBodies.h"
#include "pieces/Tab.h"

namespace GRAPH1 {

namespace {

// The tab's far edge.
constexpr double kTabBottom = 2975;

}  // namespace

PieceCut PlateCCut(const DrawingParameters&) {
  const Tab tab{kPlateBottom, kTabBottom};
  return TabbedPlateCut(kSheetTop, kPlateBottom, nullptr, &tab);
}

void DrawPlateCSheet(Canvas& canvas, double dayStep) {
  canvas.DrawLine(100, kSheetTop, 3900, kSheetTop);
  canvas.DrawLine(kDialLeft, kPlateTop, kDialRight, kPlateTop);
  canvas.DrawLine(100, kPlateBottom, 3900, kPlateBottom);
  canvas.DrawLine(kDialLeft, kSheetTop, kDialLeft, kPlateBottom);
  canvas.DrawLine(kDialRight, kSheetTop, kDialRight, kPlateBottom);
  canvas.DrawLine(100, kSheetTop, 100, kPlateBottom);
  canvas.DrawLine(3900, kSheetTop, 3900, kPlateBottom);
  DrawTab(canvas, {kPlateBottom, kTabBottom}, {TabSide::Far, TabSide::LeftIn, TabSide::RightOut});

  canvas.PlaceText(25, 1400, "C");
  canvas.PlaceText(3940, 1400, "C");
  canvas.PlaceText(1900, 2815, "C1");

  // Ticks on the last day of each month; the first and the last coincide
  // with the edges of the dial area.
  static constexpr int kMonthLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  static constexpr char kNames[] = QT_TRANSLATE_NOOP(
      "KitWords", "Gen Feb Mar Apr Mag Giu Lug Ago Set Ott Nov Dic");  // the months, short
  const QStringList names = Words(KitWords::tr(kNames), kNames, 12);
  const auto tick = [&](int k) {
    if (k == 0 || k == 365) return;
    canvas.DrawLine(kDialLeft + k * dayStep, 25, kDialLeft + k * dayStep, kPlateTop);
  };
  int k = 0;
  for (int month = 0; month < 12; ++month) {
    tick(k);
    canvas.PlaceText(275 + (k + 7) * dayStep, 35, Drawn(names[month]));
    k += kMonthLengths[month];
  }
  tick(k);
}

PlateCStart StartPlateC(Canvas& canvas, const DrawingParameters& parameters) {
  const double PlateInclination = kPlateInclinationDeg;
  const double phi = SolsticeAdjustedLatitude(parameters.Latitude);
  const PlateGeometry plate(PlateInclination, RadPerDeg);
  DrawPlateCSheet(canvas, plate.DayStep);
  return PlateCStart{canvas, phi, plate, parameters.DateSpacing};
}

void HourLine::UpdateRun(double h, double x, double y, bool startAtZero) {
  const bool up = startAtZero ? h >= 0 : h > 0;
  if (up && !running) {
    running = true;
    xp = x;
    yp = y;
  }
  if (h < 0 && running) running = false;
}

void DrawHourLineRow(Canvas& canvas, HourLine& line, bool noonLine, int dayIndex, double h,
                     double x, double y, double dayStep) {
  // Below the noon line the shadow never falls: grey, two lines a day.
  if (h >= 0 && noonLine && line.running && dayIndex < 365) {
    canvas.DrawLine(x, y, x, kPlateBottom, Colour::LightGrey);
    canvas.DrawLine(x + dayStep / 2, y, x + dayStep / 2, kPlateBottom, Colour::LightGrey);
  }
  canvas.DrawLine(kDialLeft, 25, kDialLeft, kPlateBottom);
  canvas.DrawLine(kDialRight, 25, kDialRight, kPlateBottom);
  if (h >= 0 && line.running) {
    canvas.DrawLine(line.xp, line.yp, x, y);
    line.xp = x;
    line.yp = y;
  }
}

void DrawHourNumbers(Canvas& canvas, double y, long long left, long long right) {
  canvas.PlaceText(120, y - 30, left);
  canvas.PlaceText(3755, y - 30, right);
}

void DrawDateLine(Canvas& canvas, const DayRow& row, DateLineSpacing dateSpacing, double h,
                  double x, double y) {
  if (h < 0) return;
  if (row.DateLineKind == DateLine::TenDay && dateSpacing == DateLineSpacing::TenDays) {
    canvas.DrawLine(x, kPlateTop, x, y);
  }
  if (row.DateLineKind == DateLine::MonthEnd) canvas.DrawLine(x, 25, x, y);
}

}  // namespace GRAPH1
