#include <gtest/gtest.h>

#include "drawing/Checks.h"
#include "limits_canvas.h"
#include "pieces/Pieces.h"

namespace {

// Checks one input and draws it with `drawing`, checking the range of every
// call against what the piece called `piece` can reach. Returns false when
// the input was refused.
bool DrawWithinLimits(PieceDrawing drawing, std::string_view piece, const QString& latitude,
                      const QString& longitude, bool decadi) {
  const auto site = CheckInputs({latitude, longitude, decadi, !decadi}, drawing.check);
  if (!site) return false;
  LimitsCanvas limits(piece);
  drawing.body(limits, *site);
  const std::string input = latitude.toStdString() + " / " + longitude.toStdString();
  EXPECT_GT(limits.calls, 0) << input;
  for (const std::string& problem : limits.problems) ADD_FAILURE() << input << ": " << problem;
  return true;
}

QString Degrees(int quarters) { return QString::number(quarters / 4.0, 'f', 2); }

TEST(SweepTest, PlateCEveryQuarterDegree) {
  for (int q = -360; q <= 360; ++q) {
    for (bool decadi : {false, true}) {
      EXPECT_TRUE(DrawWithinLimits(PieceNamed("C")->drawing, "C", Degrees(q), "0", decadi));
      const bool accepted =
          DrawWithinLimits(PieceNamed("C")->temporaryDrawing, "C", Degrees(q), "-7,5", decadi);
      EXPECT_EQ(accepted, std::abs(q) <= 266)
          << Degrees(q).toStdString();  // +-66.5 drawn, +-66.75 not
    }
  }
}

TEST(SweepTest, PlateBEveryQuarterDegreeOfLongitude) {
  for (int q = -60; q <= 60; ++q)
    for (bool decadi : {false, true})
      EXPECT_TRUE(DrawWithinLimits(PieceNamed("B")->drawing, "B", "45", Degrees(q), decadi));
}

TEST(SweepTest, FixedPiecesOverTheLatitudeBoxCases) {
  for (const char* name : {"A", "D", "base", "istruzioni"}) {
    for (const char* latitude : {"41,9", "-33,25", "-33", "0", "45,00005", "45,0002", "90", "-90",
                                 "23,45", "0,0001", "-0,0001", "89,9999"}) {
      EXPECT_TRUE(DrawWithinLimits(PieceNamed(name)->drawing, name, latitude, "15", true));
    }
  }
}

}  // namespace
