#include <gtest/gtest.h>

#include <map>

#include "piece_recorder.h"

namespace {

struct Counts {
  int lines = 0, points = 0, texts = 0;
  std::map<Colour, int> lineColours;
};

Counts Count(const CallList& calls) {
  Counts c;
  for (const DrawCall& call : calls) {
    if (const auto* l = std::get_if<LineCall>(&call)) {
      ++c.lines;
      ++c.lineColours[l->colour];
    } else if (std::holds_alternative<PointCall>(call)) {
      ++c.points;
    } else {
      ++c.texts;
    }
  }
  return c;
}

// Every accepted input gives the same sheet; a refused one gives none.
void ExpectTheSameForEveryInput(Procedure procedure) {
  const auto reference = DrawPiece(procedure, "45", "0");
  ASSERT_TRUE(reference);
  for (const auto& [latitude, longitude, decadi] :
       {std::tuple{"-90", "-15", false}, std::tuple{"90", "15", true}, std::tuple{"0", "7,5", true},
        std::tuple{"23,45", "-0,001", false}}) {
    EXPECT_EQ(DrawPiece(procedure, latitude, longitude, decadi), reference) << latitude;
  }
  EXPECT_FALSE(DrawPiece(procedure, "quarantacinque", "0"));
  EXPECT_FALSE(DrawPiece(procedure, "91", "0"));
}

TEST(BaseTest, FiveLinesAndTwelveTexts) {
  const CallList calls = *DrawPiece(GRAPH1::DrawBase, "45");
  const Counts counts = Count(calls);
  EXPECT_EQ(counts.lines, 5);
  EXPECT_EQ(counts.texts, 12);
  EXPECT_EQ(counts.points, 0);
  // The outline is closed at its four corners.
  EXPECT_EQ(calls[0], DrawCall(LineCall{100, 12, 3900, 12, Colour::Foreground}));
  EXPECT_EQ(calls[1], DrawCall(LineCall{100, 1921.188f, 3900, 1921.188f, Colour::Foreground}));
  EXPECT_EQ(calls[2], DrawCall(LineCall{100, 2982.633f, 3900, 2982.633f, Colour::Foreground}));
  EXPECT_EQ(calls[3], DrawCall(LineCall{100, 12, 100, 2982.633f, Colour::Foreground}));
  EXPECT_EQ(calls[4], DrawCall(LineCall{3900, 12, 3900, 2982.633f, Colour::Foreground}));
  EXPECT_EQ(std::get<LineCall>(calls[1]).y1, 1921.18798828125f);
  EXPECT_EQ(calls[5], DrawCall(TextCall{1900, 92, "D2", Colour::White}));
  EXPECT_EQ(calls[8], DrawCall(TextCall{1900, 2835.633f, "A2", Colour::White}));
  EXPECT_EQ(calls[12], DrawCall(TextCall{10, 1500, "e", Colour::White}));
  EXPECT_EQ(calls[16], DrawCall(TextCall{3930, 1500, "e", Colour::White}));
}

TEST(BaseTest, SameForEveryInput) { ExpectTheSameForEveryInput(GRAPH1::DrawBase); }

TEST(InstructionsTest, Counts) {
  const CallList calls = *DrawPiece(GRAPH1::DrawInstructions, "45");
  const Counts counts = Count(calls);
  EXPECT_EQ(counts.lineColours.at(Colour::DarkYellow), 501 + 278);
  EXPECT_EQ(counts.lineColours.at(Colour::Yellow), 278 + 251);
  EXPECT_EQ(counts.lineColours.at(Colour::LightGrey), 482 + 251 + 501);
  EXPECT_EQ(counts.lineColours.at(Colour::Foreground), 14 + 11);
  EXPECT_EQ(counts.lines, 2542 + 25);
  EXPECT_EQ(counts.texts, 19);
  EXPECT_EQ(counts.points, 0);
}

TEST(InstructionsTest, OrderAndTellingCoordinates) {
  const CallList calls = *DrawPiece(GRAPH1::DrawInstructions, "45");
  EXPECT_EQ(calls[0],
            DrawCall(TextCall{400, 150, "ISTRUZIONI PER IL MONTAGGIO DEL QUINDAL", Colour::White}));
  EXPECT_EQ(calls[1], DrawCall(LineCall{3500, 1250, 3500, 1250, Colour::DarkYellow}));
  EXPECT_EQ(calls[501], DrawCall(LineCall{3000, 1250, 3000, 750, Colour::DarkYellow}));
  // Loops with a fractional end stop at their last whole step.
  const auto& lastOfLoop2 = std::get<LineCall>(calls[501 + 278]);
  EXPECT_NEAR(lastOfLoop2.x1, 3500.98349, 1e-3);
  EXPECT_NEAR(lastOfLoop2.y2, 770.22, 1e-2);
  std::size_t k = 1 + 501 + 278 + 278;
  EXPECT_EQ(calls[k], DrawCall(TextCall{3550, 650, "A", Colour::Yellow}));
  k += 1 + 482;
  EXPECT_EQ(calls[k], DrawCall(TextCall{3400, 650, "B", Colour::LightGrey}));
  // Plate C's face: grey from i = 500 down to 250, then yellow from 250 down;
  // the line at i = 250 is drawn twice, yellow last.
  const auto& greyAt250 = std::get<LineCall>(calls[k + 251]);
  const auto& yellowAt250 = std::get<LineCall>(calls[k + 252]);
  EXPECT_EQ(greyAt250.colour, Colour::LightGrey);
  EXPECT_EQ(yellowAt250.colour, Colour::Yellow);
  EXPECT_EQ(greyAt250.x1, 3250);
  EXPECT_EQ(yellowAt250.x1, 3250);
  k += 251 + 251;
  EXPECT_EQ(calls[k + 1], DrawCall(TextCall{3150, 650, "C", Colour::Yellow}));
  k += 1 + 501;
  EXPECT_EQ(calls[k + 1], DrawCall(TextCall{2900, 650, "D", Colour::LightGrey}));
  EXPECT_EQ(calls[k + 2], DrawCall(TextCall{3335, 1265, "base", Colour::White}));
  // The outline of the overall view.
  EXPECT_EQ(calls[k + 3], DrawCall(LineCall{3000, 750, 3000, 1250, Colour::Foreground}));
  const auto& baseFront = std::get<LineCall>(calls[k + 5]);
  EXPECT_NEAR(baseFront.x2, 3777.9835, 1e-3);
  const auto& topOfB = std::get<LineCall>(calls[k + 16]);
  EXPECT_NEAR(topOfB.y1, 768.5185, 1e-3);
  EXPECT_NEAR(topOfB.y2, 101.8519, 1e-3);
  EXPECT_EQ(calls[k + 17], DrawCall(TextCall{3200, 1400, "Visione d'insieme", Colour::White}));
  EXPECT_EQ(calls[k + 18], DrawCall(TextCall{3200, 1500, "  dello strumento", Colour::White}));
  // The profile ends with the base and its label.
  const auto& base = std::get<LineCall>(calls[calls.size() - 2]);
  EXPECT_EQ(base.x1, 275);
  EXPECT_EQ(base.y1, 2800);
  EXPECT_NEAR(base.x2, 3386.9338, 1e-3);
  EXPECT_EQ(calls.back(), DrawCall(TextCall{1600, 2665, "base", Colour::White}));
  const auto& plateA = std::get<LineCall>(calls[calls.size() - 8]);
  EXPECT_NEAR(plateA.x1, 2350, 1e-3);
  EXPECT_NEAR(plateA.y1, 574.0741, 1e-3);
  EXPECT_NEAR(plateA.x2, 3461.9338, 1e-3);
}

TEST(InstructionsTest, SameForEveryInput) { ExpectTheSameForEveryInput(GRAPH1::DrawInstructions); }

}  // namespace
