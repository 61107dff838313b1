#include <cstring>

#include "pieces/PieceBodies.h"
#include "pieces/PlateCSheet.h"
#include "solar/DayTable.h"
#include "solar/PlateGeometry.h"
#include "solar/Sexagesimal.h"

namespace GRAPH1 {

// Plate C with equal hours: thirteen hour lines, from noon (H = 0) to
// midnight (H = 180) every 15 degrees, each serving two hours symmetric
// about noon.
void PlateCAstronomicalBody(Canvas& c, const DrawingParameters& parameters) {
  const PlateCStart start = StartPlateC(c, parameters);
  Canvas& canvas = start.canvas;
  const PlateGeometry& plate = start.plate;
  double phi = start.phi;

  for (int H = 0; H <= 180; H += 15) {
    HourLine line;
    int i = -1;
    for (const DayRow& row : DayTable) {
      ++i;
      const double delta = SexagesimalToDecimal(row.Declination);
      phi = ZenithGuardedLatitude(phi, delta);
      const Shadow p = ShadowPoint(phi, delta, H, i, plate);
      line.UpdateRun(p.h, p.x, p.y, /*startAtZero=*/false);
      DrawHourLineRow(canvas, line, H == 0, i, p.h, p.x, p.y, plate.DayStep);
      if (p.h >= 0 && std::strcmp(row.DayLabel, "31-DIC") == 0 && H % 30 == 0) {
        DrawHourNumbers(canvas, p.y, 12 - H / 15, 12 + H / 15);
      }
      DrawDateLine(canvas, row, start.dateSpacing, p.h, p.x, p.y);
    }
  }
}

}  // namespace GRAPH1
