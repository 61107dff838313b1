#include <gtest/gtest.h>

#include "drawing/ScriptedPanel.h"
#include "limits_canvas.h"
#include "pieces/Pieces.h"

namespace {

// Draws one input through `procedure` and checks the range of every call
// against what the piece called `piece` can reach. Returns false when the
// input was refused.
bool DrawWithinLimits(Procedure procedure, std::string_view piece, const QString& latitude,
                      const QString& longitude, bool decadi) {
  ScriptedPanel panel(latitude, longitude, decadi);
  LimitsCanvas limits(piece);
  procedure(panel, limits);
  const std::string input = latitude.toStdString() + " / " + longitude.toStdString();
  if (panel.Refused()) {
    EXPECT_EQ(limits.prepared, 0) << input;
    EXPECT_EQ(limits.calls, 0) << input;
    return false;
  }
  EXPECT_EQ(limits.prepared, 1) << input;
  EXPECT_GT(limits.calls, 0) << input;
  for (const std::string& problem : limits.problems) ADD_FAILURE() << input << ": " << problem;
  return true;
}

QString Degrees(int quarters) { return QString::number(quarters / 4.0, 'f', 2); }

TEST(SweepTest, PlateCEveryQuarterDegree) {
  for (int q = -360; q <= 360; ++q) {
    for (bool decadi : {false, true}) {
      EXPECT_TRUE(DrawWithinLimits(PlateC(HourSystem::Astronomical), "C", Degrees(q), "0", decadi));
      const bool accepted =
          DrawWithinLimits(PlateC(HourSystem::Temporary), "C", Degrees(q), "-7,5", decadi);
      EXPECT_EQ(accepted, std::abs(q) <= 266) << Degrees(q).toStdString();  // +-66.5 drawn, +-66.75 not
    }
  }
}

TEST(SweepTest, PlateBEveryQuarterDegreeOfLongitude) {
  for (int q = -60; q <= 60; ++q)
    for (bool decadi : {false, true})
      EXPECT_TRUE(DrawWithinLimits(GRAPH1::DrawPlateB, "B", "45", Degrees(q), decadi));
}

TEST(SweepTest, FixedPiecesOverTheLatitudeBoxCases) {
  for (const char* name : {"A", "D", "base", "istruzioni"}) {
    for (const char* latitude : {"41,9", "-33,25", "-33", "0", "45,00005", "45,0002", "90", "-90",
                                 "23,45", "0,0001", "-0,0001", "89,9999"}) {
      EXPECT_TRUE(DrawWithinLimits(PieceNamed(name)->procedure, name, latitude, "15", true));
    }
  }
}

}  // namespace
