#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "limits_canvas.h"
#include "piece_recorder.h"
#include "solar/DayTable.h"
#include "solar/PlateGeometry.h"
#include "solar/Sexagesimal.h"

namespace {

constexpr double kTolerance = 1e-3;  // drawing units

// What one row of one hour line drew, read back from the recorded calls.
struct RowTrace {
  bool drawn = false;  // a segment or a date line ends on the row's point
  float x = 0, y = 0;  // that point
  std::vector<TextCall> numbers;
};

bool IsBorderRedraw(const DrawCall& call) {
  const auto* line = std::get_if<LineCall>(&call);
  return line && line->colour == Colour::Foreground && line->x1 == 250 && line->x2 == 250 &&
         line->y1 == 25 && line->y2 == 2725;
}

// The outline, the letters and the month scale come before the hour lines.
constexpr std::size_t kSheetCalls = 10 + 3 + 11 + 12;

// Splits the calls of a plate C into hour lines of 366 rows. Every row
// redraws the two borders of the dial area; what follows them up to the
// next row's shading or borders belongs to the row.
std::vector<std::vector<RowTrace>> TraceHourLines(const CallList& calls) {
  std::vector<RowTrace> rows;
  for (std::size_t k = kSheetCalls; k < calls.size(); ++k) {
    if (!IsBorderRedraw(calls[k])) continue;
    RowTrace row;
    for (std::size_t j = k + 2; j < calls.size(); ++j) {
      if (IsBorderRedraw(calls[j])) break;
      if (const auto* line = std::get_if<LineCall>(&calls[j])) {
        if (line->colour != Colour::Foreground) break;  // the next row's shading
        if (!row.drawn) row = {true, line->x2, line->y2, {}};
      } else if (const auto* text = std::get_if<TextCall>(&calls[j])) {
        row.numbers.push_back(*text);
      }
    }
    rows.push_back(row);
  }
  std::vector<std::vector<RowTrace>> lines;
  for (std::size_t k = 0; k + 366 <= rows.size(); k += 366)
    lines.emplace_back(rows.begin() + k, rows.begin() + k + 366);
  return lines;
}

CallList Astronomical(const char* latitude, bool decadi = false) {
  auto calls = DrawPiece(GRAPH1::DrawPlateC_Astronomical, latitude, "0", decadi);
  EXPECT_TRUE(calls) << latitude;
  return calls.value_or(CallList{});
}

CallList Temporary(const char* latitude, bool decadi = false) {
  auto calls = DrawPiece(GRAPH1::DrawPlateC_Temporary, latitude, "0", decadi);
  EXPECT_TRUE(calls) << latitude;
  return calls.value_or(CallList{});
}

// The hour numbers, as (text, x) pairs, each printed on both "31-DIC" rows.
std::multiset<std::pair<std::string, float>> Numbers(const CallList& calls) {
  std::multiset<std::pair<std::string, float>> numbers;
  for (const auto& line : TraceHourLines(calls))
    for (const RowTrace& row : line)
      for (const TextCall& t : row.numbers) numbers.insert({t.text, t.x});
  return numbers;
}

TEST(PlateCTest, SheetComesFirstInItsOrder) {
  const CallList calls = Astronomical("45");
  ASSERT_GT(calls.size(), 36u);
  EXPECT_EQ(calls[0], DrawCall(LineCall{100, 25, 3900, 25, Colour::Foreground}));
  EXPECT_EQ(calls[7], DrawCall(LineCall{150, 2975, 3850, 2975, Colour::Foreground}));
  EXPECT_EQ(calls[9], DrawCall(LineCall{3900, 2725, 3850, 2975, Colour::Foreground}));
  EXPECT_EQ(calls[10], DrawCall(TextCall{25, 1400, "C", Colour::White}));
  EXPECT_EQ(calls[12], DrawCall(TextCall{1900, 2815, "C1", Colour::White}));
  // January has no tick: its name comes first, then February's tick at k = 31.
  const auto& january = std::get<TextCall>(calls[13]);
  EXPECT_EQ(january.text, "Gen");
  EXPECT_NEAR(january.x, 342.1233, kTolerance);
  const auto& tick = std::get<LineCall>(calls[14]);
  EXPECT_NEAR(tick.x1, 547.2603, kTolerance);
  EXPECT_EQ(tick.y1, 25);
  EXPECT_EQ(tick.y2, 125);
  const auto& december = std::get<TextCall>(calls[35]);
  EXPECT_EQ(december.text, "Dic");
  EXPECT_NEAR(december.x, 3544.863, kTolerance);
  EXPECT_TRUE(IsBorderRedraw(calls[36]) ||
              std::get<LineCall>(calls[36]).colour == Colour::LightGrey);
}

TEST(PlateCTest, ThirteenWalksOfTheWholeTable) {
  const auto lines = TraceHourLines(Astronomical("45"));
  EXPECT_EQ(lines.size(), 13u);
  EXPECT_EQ(TraceHourLines(Temporary("45")).size(), 7u);
}

TEST(PlateCTest, NoonLineAtFortyFiveNorthAndSouth) {
  for (const auto& [latitude, lowRow, highRow] :
       {std::tuple{"45", 356, 172}, std::tuple{"-45", 172, 356}}) {
    const auto noon = TraceHourLines(Astronomical(latitude))[0];
    int lowest = -1, highest = -1;
    for (int i = 0; i < 366; ++i) {
      ASSERT_TRUE(noon[i].drawn);
      if (lowest < 0 || noon[i].y < noon[lowest].y) lowest = i;
      if (highest < 0 || noon[i].y > noon[highest].y) highest = i;
    }
    EXPECT_EQ(lowest, lowRow) << latitude;
    EXPECT_EQ(highest, highRow) << latitude;
    EXPECT_NEAR(noon[lowest].y, 861.0923, kTolerance);
    EXPECT_NEAR(noon[highest].y, 1988.9077, kTolerance);
  }
}

TEST(PlateCTest, HourNumbersWhereTheSunIsUpOnTheLastDay) {
  using Numbers_t = std::multiset<std::pair<std::string, float>>;
  const auto twice = [](std::initializer_list<const char*> left,
                        std::initializer_list<const char*> right) {
    Numbers_t n;
    for (const char* t : left) n.insert({{t, 120}, {t, 120}});
    for (const char* t : right) n.insert({{t, 3755}, {t, 3755}});
    return n;
  };
  EXPECT_EQ(Numbers(Astronomical("45")), twice({" 12 ", " 10 ", " 8 "}, {" 12 ", " 14 ", " 16 "}));
  EXPECT_EQ(Numbers(Astronomical("-45")),
            twice({" 12 ", " 10 ", " 8 ", " 6 "}, {" 12 ", " 14 ", " 16 ", " 18 "}));
  EXPECT_TRUE(Numbers(Astronomical("90")).empty());
  EXPECT_EQ(Numbers(Temporary("45")),
            twice({" 6 ", " 4 ", " 2 ", " 0 "}, {" 6 ", " 8 ", " 10 ", " 12 "}));
}

TEST(PlateCTest, SixOClockLineOnlyWhileTheDeclinationIsNorth) {
  const auto sixLine = TraceHourLines(Astronomical("45"))[6];
  for (int i = 0; i < 366; ++i) {
    const bool north = DayTable[i].Declination > 0;
    EXPECT_EQ(sixLine[i].drawn, north) << DayTable[i].DayLabel;
  }
  EXPECT_NEAR(sixLine[80].y, 125, 20);  // starting and ending close to the top edge
  EXPECT_NEAR(sixLine[265].y, 125, 20);
}

TEST(PlateCTest, AtTheEquatorTheSixOClockLineRunsAlongTheTopEdge) {
  // cos 90 degrees is about 6e-17 in double precision: h is a hair above 0.
  const auto lines = TraceHourLines(Astronomical("0"));
  for (const RowTrace& row : lines[6]) {
    ASSERT_TRUE(row.drawn);
    EXPECT_NEAR(row.y, 125, kTolerance);
  }
  EXPECT_EQ(lines[6][0].numbers.size(), 2u);
  EXPECT_EQ(lines[6][0].numbers[0], (TextCall{120, 95, " 6 ", Colour::White}));
  EXPECT_EQ(lines[6][0].numbers[1], (TextCall{3755, 95, " 18 ", Colour::White}));
  for (int H = 7; H <= 12; ++H)
    for (const RowTrace& row : lines[H]) EXPECT_FALSE(row.drawn);
}

TEST(PlateCTest, TropicLatitudeIsDrawnJustOffTheTropic) {
  EXPECT_EQ(Astronomical("23,45"), Astronomical("23,45001"));
  EXPECT_EQ(Temporary("-23.45"), Temporary("-23.45001"));
  EXPECT_NE(Astronomical("23,45"), Astronomical("23,4502"));
}

TEST(PlateCTest, LatitudeNinetyDrawsOneLineThirteenTimes) {
  const auto lines = TraceHourLines(Astronomical("90"));
  for (int H = 1; H < 13; ++H) {
    for (int i = 0; i < 366; ++i) {
      EXPECT_EQ(lines[H][i].drawn, lines[0][i].drawn);
      EXPECT_NEAR(lines[H][i].y, lines[0][i].y, kTolerance);
    }
  }
  EXPECT_FALSE(lines[0][300].drawn);  // "27-OTT": the Sun stays below the horizon
}

TEST(PlateCTest, DecadiAddsOnlyTheTenDayLines) {
  for (const char* latitude : {"45", "-33,25"}) {
    for (auto draw : {Astronomical, Temporary}) {
      const CallList months = draw(latitude, false);
      const CallList decades = draw(latitude, true);
      CallList withoutTenDayLines;
      int extra = 0;
      int i = -1;
      for (std::size_t k = 0; k < decades.size(); ++k) {
        const DrawCall& call = decades[k];
        if (k >= kSheetCalls && IsBorderRedraw(call)) i = (i + 1) % 366;
        const auto* line = std::get_if<LineCall>(&call);
        if (line && i >= 0 && line->y1 == 125 && line->x1 == line->x2 &&
            DayTable[i].DateLineKind == DateLine::TenDay &&
            std::fabs(line->x1 - (250 + i * 3500.0 / 365)) < kTolerance) {
          ++extra;
          continue;
        }
        withoutTenDayLines.push_back(call);
      }
      EXPECT_EQ(withoutTenDayLines, months) << latitude;
      if (draw == Astronomical && std::string(latitude) == "45") {
        EXPECT_EQ(extra, 157);
      }
    }
  }
}

TEST(PlateCTest, TemporaryHoursAtTheEquatorAreAstronomicalNoonToSix) {
  const auto temporary = TraceHourLines(Temporary("0"));
  const auto astronomical = TraceHourLines(Astronomical("0"));
  for (int n = 0; n < 6; ++n) {
    for (int i = 0; i < 366; ++i) {
      EXPECT_EQ(temporary[n][i].drawn, astronomical[n][i].drawn);
      EXPECT_NEAR(temporary[n][i].y, astronomical[n][i].y, kTolerance) << n << " " << i;
    }
  }
}

TEST(PlateCTest, SunsetLineLiesOnTheTopEdge) {
  for (const char* latitude : {"45", "-45", "0", "66,5", "-66,5", "12,3"}) {
    const auto lines = TraceHourLines(Temporary(latitude));
    for (const RowTrace& row : lines[6]) {
      ASSERT_TRUE(row.drawn);
      EXPECT_EQ(row.y, 125);
    }
    EXPECT_EQ(lines[6][365].numbers[0], (TextCall{120, 95, " 0 ", Colour::White}));
    EXPECT_EQ(lines[6][365].numbers[1], (TextCall{3755, 95, " 12 ", Colour::White}));
  }
}

TEST(PlateCTest, NoonLineIsTheSameInBothHourSystems) {
  // The sheet and the whole noon walk, shading included, call for call; only
  // the numbers differ (12 for equal hours, 6 for temporary ones).
  const auto noonWalk = [](const CallList& calls) {
    CallList walk;
    int borders = 0;
    for (std::size_t k = 0; k < calls.size(); ++k) {
      if (k >= kSheetCalls && IsBorderRedraw(calls[k]) && ++borders > 366) break;
      if (k < kSheetCalls || !std::holds_alternative<TextCall>(calls[k])) walk.push_back(calls[k]);
    }
    return walk;
  };
  const CallList astronomical = noonWalk(Astronomical("41,9"));
  EXPECT_GT(astronomical.size(), 366u * 5);
  EXPECT_EQ(astronomical, noonWalk(Temporary("41,9")));
}

TEST(PlateCTest, HalfDayArcAtFortyFiveOnTheSolstice) {
  // H0 = 115.71 degrees on "21-GIU" at 45: line n = 3 meets the row at t = H0 / 2.
  const auto lines = TraceHourLines(Temporary("45"));
  const double pi = 4 * std::atan(1.0);
  const PlateGeometry plate(45, pi / 180);
  const double h = SunAltitude(45, 23.45, 115.71 / 2, plate);
  EXPECT_NEAR(lines[3][172].y, PointOnPlate(h, 172, plate).y, 0.5);
}

TEST(PlateCTest, PolarCirclesRefuseTemporaryHoursOnly) {
  EXPECT_TRUE(DrawPiece(GRAPH1::DrawPlateC_Temporary, "66,5"));
  EXPECT_TRUE(DrawPiece(GRAPH1::DrawPlateC_Temporary, "-66,5"));
  for (const char* latitude : {"66,6", "-66,6", "67", "90"}) {
    ScriptedPanel panel(latitude, "0");
    RecordingTarget target;
    GRAPH1::DrawPlateC_Temporary(panel, target);
    EXPECT_EQ(panel.log, (QStringList{"ShowRefusal", "SetText1:", "SetText4:", "FocusText1"}));
    EXPECT_EQ(
        panel.refusal,
        QString("latitudine %1: oltre il circolo polare non ci sono ore temporarie").arg(latitude));
    EXPECT_EQ(target.prepared, 0);
  }
  EXPECT_TRUE(DrawPiece(GRAPH1::DrawPlateC_Astronomical, "67"));
}

// No accepted latitude may hand a NaN or an infinity to the canvas.
TEST(PlateCTest, EveryAcceptedLatitudeDrawsFiniteCoordinates) {
  const auto sweep = [](PieceDrawing drawing, int lowest, int highest) {
    for (int k = lowest; k <= highest; ++k) {
      for (bool decadi : {false, true}) {
        const QString latitude = QString::number(k * 0.05, 'f', 2);
        const auto site = CheckInputs({latitude, "0", decadi, !decadi}, drawing.check);
        if (!site) continue;
        LimitsCanvas limits("C");
        drawing.body(limits, *site);
        ASSERT_TRUE(limits.ok()) << latitude.toStdString() << ": " << limits.problems.front();
      }
    }
  };
  sweep(PieceNamed("C")->drawing, -1800, 1800);
  sweep(PieceNamed("C")->temporaryDrawing, -1331, 1331);  // -66.55 ... 66.55
}

}  // namespace
