#include <cmath>
#include <cstring>

#include "drawing/AngleConstants.h"
#include "pieces/PieceBodies.h"
#include "pieces/PlateCSheet.h"
#include "solar/DayTable.h"
#include "solar/PlateGeometry.h"
#include "solar/Sexagesimal.h"

namespace GRAPH1 {

bool OutsidePolarCircles(const DrawingParameters& p) {
  // Inside a polar circle the Sun, near a solstice, neither rises nor sets
  // for a whole day, and such a day has no temporary hours.
  return !(std::tan(std::fabs(kSolsticeLatitude) * RadPerDeg) *
               std::tan(std::fabs(p.Latitude) * RadPerDeg) >
           1);
}

// Plate C with temporary hours: each day's daylight cut into twelve equal
// hours, so hour n of the afternoon falls at n/6 of the day's semi-diurnal
// arc. Seven lines, from noon (n = 0) to sunset (n = 6).
void PlateCTemporaryBody(Canvas& c, const DrawingParameters& parameters) {
  const PlateCStart start = StartPlateC(c, parameters);
  Canvas& canvas = start.canvas;
  const PlateGeometry& plate = start.plate;
  double phi = start.phi;

  for (int n = 0; n <= 6; ++n) {
    HourLine line;
    int i = -1;
    for (const DayRow& row : DayTable) {
      ++i;
      const double delta = SexagesimalToDecimal(row.Declination);
      const double H0 = SemiDiurnalArcDeg(phi, delta, plate);
      const double t = H0 * n / 6;

      phi = ZenithGuardedLatitude(phi, delta);
      double h = SunAltitude(phi, delta, t, plate);
      if (n == 6) h = 0;  // the sunset line lies on the horizon
      const PlatePoint point = PointOnPlate(h, i, plate);

      line.UpdateRun(h, point.x, point.y, /*startAtZero=*/true);
      DrawHourLineRow(canvas, line, n == 0, i, h, point.x, point.y, plate.DayStep);
      if (h >= 0 && std::strcmp(row.DayLabel, "31-DIC") == 0 && n % 2 == 0) {
        DrawHourNumbers(canvas, point.y, 6 - n, 6 + n);
      }
      DrawDateLine(canvas, row, start.dateSpacing, h, point.x, point.y);
    }
  }
}

}  // namespace GRAPH1
