#include <cmath>
#include <string>

#include "drawing/AngleConstants.h"
#include "drawing/NumberText.h"
#include "pieces/KitWords.h"
#include "pieces/PieceBodies.h"
#include "pieces/Tab.h"
#include "solar/DayTable.h"
#include "solar/DeltaChart.h"
#include "solar/Sexagesimal.h"

namespace GRAPH1 {

namespace {

using DeltaChart::DateLineHeight;
using DeltaChart::Emax;
using DeltaChart::MinuteHeight;
using DeltaChart::RightEdge;
using DeltaChart::s;
using DeltaChart::w;
using DeltaChart::x0;
using DeltaChart::y0;

// The plate's outline: its bottom edge, where the tab starts, and the tab's
// far edge 250 units below it.
constexpr double PlateBottom = 1938.477;
constexpr double TabBottom = 2188.477;

// The x of a date offset D, in days from the start of the year.
double DateX(double D) { return x0 + w * (D * s); }

void DrawOutline(Canvas& c) {
  c.DrawLine(100, 100, 3900, 100);
  c.DrawLine(100, PlateBottom, 3900, PlateBottom);
  c.DrawLine(100, 100, 100, PlateBottom);
  c.DrawLine(3900, 100, 3900, PlateBottom);
  DrawTab(c, {PlateBottom, TabBottom}, {TabSide::Far, TabSide::LeftOut, TabSide::RightOut});
}

void DrawBox(Canvas& c, double left, double right) {
  c.DrawLine(left, 525, right, 525);
  c.DrawLine(left, 630, right, 630);
  c.DrawLine(left, 525, left, 630);
  c.DrawLine(right, 525, right, 630);
}

// The two formulas between the time of the zone's clocks (TMF) and the time
// the instrument shows (TSVL), each with its explanation.
void DrawExplanations(Canvas& c) {
  PlaceRows(c, 300, 950, 100,
            KitWords::tr("TMF = tempo solare\n  medio del fuso\n(ora dell'orologio\n   "
                         "meccanico,\nal quarzo, ecc...)"));
  DrawBox(c, 120, 900);
  c.PlaceText(240, 545, "TMF = TSVL - delta");

  PlaceRows(c, 3115, 950, 100,
            KitWords::tr("TSVL = tempo solare\n     vero locale\n    (ora indicata\n "
                         "dall'orologio solare)"));
  DrawBox(c, 3100, 3880);
  c.PlaceText(3200, 545, "TSVL = TMF + delta");
}

// The offset the chart was drawn for; 1e-6 of a degree counts as none.
std::string LongitudeLine(double lambda) {
  const QString f = QString::fromStdString(DecimalPatternText(lambda));
  if (lambda < 0 && std::fabs(lambda) > kTolerance)
    return Drawn(KitWords::tr("%1°  ad Ovest del fuso orario").arg(f));
  if (lambda > 0 && std::fabs(lambda) > kTolerance)
    return Drawn(KitWords::tr("%1°  ad Est del fuso orario").arg(f));
  return Drawn(KitWords::tr("           sul fuso orario"));
}

// Width of a label of |u|'s digits, 50 units per digit.
double LabelWidth(double u) {
  return (std::floor(std::fabs(std::log(std::fabs(u)) / std::log(10.0))) + 1) * 50;
}

// 34 grid lines one minute apart from V down to V - 33, labelled on both
// sides at every multiple of 3.
void DrawGrid(Canvas& c, double V) {
  double u = V;
  double g = 0;
  for (int k = 0; k <= 33; ++k) {
    const double ly = y0 + g - 40;
    const bool multipleOfThree = std::fabs(u / 3 - std::floor(u / 3)) < kTolerance;
    const auto label = static_cast<long long>(u);
    if (u > 0 && multipleOfThree && std::fabs(u) > kTolerance) {
      c.PlaceText(x0 - 40 - LabelWidth(u), ly, label);
      c.PlaceText(RightEdge + 10, ly, label);
    }
    if (u < 0 && multipleOfThree && std::fabs(u) > kTolerance) {
      c.PlaceText(x0 - 30 - LabelWidth(u), ly, label);
      c.PlaceText(RightEdge + 10, ly, label);
    }
    if (std::fabs(u) < kTolerance) {
      c.PlaceText(x0 - 90, ly, label);
      c.PlaceText(RightEdge + 10, ly, label);
    }
    g = MinuteHeight * s * (k + 1);
    u = u - 1;
    if (k < 33) c.DrawLine(x0, y0 + g, RightEdge, y0 + g);
  }
}

void DrawFrameAndDateLines(Canvas& c, DateLineSpacing dateSpacing) {
  const double top = y0 - 50;
  const double bottom = y0 + DateLineHeight * s + 50;
  c.DrawLine(RightEdge, top, RightEdge, bottom);
  c.DrawLine(x0, top, x0, bottom);
  const auto longLine = [&](double D) { c.DrawLine(DateX(D), top, DateX(D), bottom); };
  const auto shortLine = [&](double D) {
    c.DrawLine(DateX(D), y0, DateX(D), y0 + DateLineHeight * s);
  };

  struct Month {
    int start, end;  // day offsets of its first and last day
  };
  static constexpr Month kMonths[] = {{0, 31},    {31, 59},   {59, 90},   {90, 120},
                                      {120, 151}, {151, 181}, {181, 212}, {212, 243},
                                      {243, 273}, {273, 304}, {304, 334}, {334, 365}};
  static constexpr char kInitials[] = QT_TRANSLATE_NOOP(
      "KitWords", "G F M A M G L A S O N D");  // the months' initials, January first
  const QStringList initials = Words(KitWords::tr(kInitials), kInitials, 12);
  for (int k = 0; k < 12; ++k) {
    const Month& month = kMonths[k];
    const std::string initial = Drawn(initials[k]);
    c.PlaceText(DateX(month.start) + 50, y0 - 90, initial);
    c.PlaceText(DateX(month.start) + 50, y0 + DateLineHeight * s + 4, initial);
    if (dateSpacing == DateLineSpacing::TenDays) {
      shortLine(month.start);
      shortLine(month.start + 10);
      shortLine(month.start + 20);
    } else {
      shortLine(month.start);
    }
    if (month.end != 365) longLine(month.end);  // December ends on the frame
  }
}

}  // namespace

PieceCut PlateBCut(const DrawingParameters&) {
  const Tab tab{PlateBottom, TabBottom};
  return TabbedPlateCut(100, PlateBottom, nullptr, &tab);
}

// Plate B: the equation of time over the year, corrected for the site's
// longitude offset (delta, minutes), with the formulas between the time of
// the zone's clocks and the local apparent time that plate C shows.
void PlateBBody(Canvas& c, const DrawingParameters& parameters) {
  const double lambda = parameters.LongitudeOffset;

  DrawOutline(c);
  c.PlaceText(25, 1000, "B");
  c.PlaceText(3940, 1000, "B");
  c.PlaceText(1900, PlateBottom + 90, "B1");
  c.PlaceText(
      1095, 1665,
      Drawn(KitWords::tr("delta = equazione del tempo (minuti) corretta per la longitudine")));
  DrawExplanations(c);
  c.PlaceText(1600, 1765, LongitudeLine(lambda));

  // Four minutes of time per degree of longitude east of the meridian.
  const double X = -4 * lambda;
  const double q = Emax - X;
  const double V = std::floor(q) + 2;  // minutes at the top grid line
  c.DrawLine(x0, y0, RightEdge, y0);
  DrawGrid(c, V);
  DrawFrameAndDateLines(c, parameters.DateSpacing);

  // The curve of delta, one point per row; the zero level, when the grid
  // holds it, is marked by short segments that merge into one line.
  bool penDown = false;
  double px = 0, py = 0;
  double x = x0 - w * s;
  const bool zeroInGrid = V >= 0 && V - 33 <= 0;
  for (const DayRow& row : DayTable) {
    const double E = SexagesimalToDecimal(row.EquationOfTime);
    const double delta = E - X;
    x += w * s;
    const double y = y0 + MinuteHeight * s * ((q - delta) + (V - q));
    if (penDown) c.DrawLine(px, py, x, y);
    if (zeroInGrid) {
      const double zeroY = y0 + MinuteHeight * s * V;
      c.DrawLine(x + w / 2 - 30, zeroY, x + w / 2 + 25, zeroY);
    }
    penDown = true;
    px = x;
    py = y;
  }
}

}  // namespace GRAPH1
