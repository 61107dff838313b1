#include <gtest/gtest.h>

#include <cmath>

#include "italian_locale.h"
#include "piece_recorder.h"

namespace {

constexpr double kTolerance = 1e-3;  // drawing units
constexpr double kDayWidth = 3818.0 / 365 * 0.5;

using PlateBTest = ItalianLocaleTest;

CallList PlateB(const QString& longitude, bool decadi = false) {
  auto calls = DrawPiece(GRAPH1::DrawPlateB, "45", longitude, decadi);
  EXPECT_TRUE(calls) << longitude.toStdString();
  return calls.value_or(CallList{});
}

std::vector<TextCall> TextsAt(const CallList& calls, float x) {
  std::vector<TextCall> texts;
  for (const DrawCall& call : calls)
    if (const auto* t = std::get_if<TextCall>(&call); t && t->x == x) texts.push_back(*t);
  return texts;
}

// The segments of the curve: one day wide.
std::vector<LineCall> Curve(const CallList& calls) {
  std::vector<LineCall> curve;
  for (const DrawCall& call : calls)
    if (const auto* l = std::get_if<LineCall>(&call);
        l && std::fabs(l->x2 - l->x1 - kDayWidth) < kTolerance)
      curve.push_back(*l);
  return curve;
}

int ZeroLevelSegments(const CallList& calls) {
  int n = 0;
  for (const DrawCall& call : calls)
    if (const auto* l = std::get_if<LineCall>(&call);
        l && l->y1 == l->y2 && std::fabs(l->x2 - l->x1 - 55) < kTolerance)
      ++n;
  return n;
}

std::vector<std::string> RightLabels(const CallList& calls) {
  std::vector<std::string> labels;
  for (const TextCall& t : TextsAt(calls, 2964.5)) labels.push_back(t.text);
  return labels;
}

TEST_F(PlateBTest, GridAtTheTimeZoneMeridian) {
  const CallList calls = PlateB("0");
  EXPECT_EQ(RightLabels(calls),
            (std::vector<std::string>{" 18 ", " 15 ", " 12 ", " 9 ", " 6 ", " 3 ", " 0 ", "-3 ",
                                      "-6 ", "-9 ", "-12 ", "-15 "}));
  // Left labels start further left the more digits they have.
  const auto left = [&](const char* text) {
    for (const DrawCall& call : calls)
      if (const auto* t = std::get_if<TextCall>(&call); t && t->text == text && t->x < 1045)
        return *t;
    return TextCall{};
  };
  EXPECT_EQ(left(" 18 "), (TextCall{905.5, 160, " 18 ", Colour::White}));
  EXPECT_EQ(left(" 9 "), (TextCall{955.5, 520, " 9 ", Colour::White}));
  EXPECT_EQ(left(" 0 "), (TextCall{955.5, 880, " 0 ", Colour::White}));
  EXPECT_EQ(left("-3 "), (TextCall{965.5, 1000, "-3 ", Colour::White}));
  EXPECT_EQ(left("-15 "), (TextCall{915.5, 1480, "-15 ", Colour::White}));
  // 33 grid lines below the top one, one minute (40 units) apart.
  int gridLines = 0;
  for (const DrawCall& call : calls) {
    if (const auto* l = std::get_if<LineCall>(&call);
        l && l->x1 == 1045.5f && l->x2 == 2954.5f && l->y1 == l->y2) {
      EXPECT_EQ(l->y1, 200 + 40 * gridLines++);
    }
  }
  EXPECT_EQ(gridLines, 34);
  EXPECT_EQ(ZeroLevelSegments(calls), 366);
  for (const DrawCall& call : calls) {
    if (const auto* l = std::get_if<LineCall>(&call);
        l && std::fabs(l->x2 - l->x1 - 55) < kTolerance) {
      EXPECT_EQ(l->y1, 920);
    }
  }
}

TEST_F(PlateBTest, GridFollowsTheLongitudeOffset) {
  auto labels = RightLabels(PlateB("15"));
  EXPECT_EQ(labels.front(), " 78 ");
  EXPECT_EQ(labels.back(), " 45 ");
  EXPECT_EQ(labels.size(), 12u);
  for (const TextCall& t : TextsAt(PlateB("15"), 905.5)) EXPECT_EQ(t.text.size(), 4u);
  EXPECT_EQ(ZeroLevelSegments(PlateB("15")), 0);

  labels = RightLabels(PlateB("-15"));
  EXPECT_EQ(labels.front(), "-42 ");
  EXPECT_EQ(labels.back(), "-75 ");
  for (const std::string& label : labels) EXPECT_EQ(label[0], '-');
  EXPECT_EQ(ZeroLevelSegments(PlateB("-15")), 0);

  labels = RightLabels(PlateB("7,5"));
  EXPECT_EQ(labels.front(), " 48 ");
  EXPECT_EQ(labels.back(), " 15 ");
  EXPECT_EQ(ZeroLevelSegments(PlateB("7,5")), 0);
  EXPECT_EQ(ZeroLevelSegments(PlateB("-4")), 366);
}

TEST_F(PlateBTest, CurveRunsFromTheLeftFrameToTheRight) {
  const auto curve = Curve(PlateB("0"));
  ASSERT_EQ(curve.size(), 365u);
  EXPECT_NEAR(curve.front().x1, 1045.5, kTolerance);
  EXPECT_NEAR(curve.front().y1, 1036, kTolerance);
  EXPECT_NEAR(curve.back().x2, 2954.5, kTolerance);
  EXPECT_NEAR(curve.back().y2, 1036, kTolerance);  // 31 December, as the day before 1 January
  for (std::size_t k = 1; k < curve.size(); ++k) {
    EXPECT_EQ(curve[k].x1, curve[k - 1].x2);
    EXPECT_EQ(curve[k].y1, curve[k - 1].y2);
  }
}

TEST_F(PlateBTest, CurveStaysInsideItsGridForEveryOffset) {
  for (int k = -1500; k <= 1500; ++k) {
    const QString longitude = QString::number(k / 100.0, 'f', 2);
    float lowest = 1e9f, highest = -1e9f;
    const auto curve = Curve(PlateB(longitude));
    ASSERT_EQ(curve.size(), 365u) << longitude.toStdString();
    for (const LineCall& l : curve) {
      lowest = std::min({lowest, l.y1, l.y2});
      highest = std::max({highest, l.y1, l.y2});
    }
    ASSERT_GE(lowest, 200 + 40) << longitude.toStdString();          // a minute below the top
    ASSERT_LE(highest, 1520 - 0.3 * 40) << longitude.toStdString();  // 0.3 minute above the bottom
  }
}

TEST_F(PlateBTest, LongitudeLine) {
  const auto line = [](const QString& longitude) {
    const auto texts = TextsAt(PlateB(longitude), 1600);
    return texts.size() == 1 ? texts[0].text : std::string("?");
  };
  EXPECT_EQ(line("0"), "           sul fuso orario");
  EXPECT_EQ(line("0,0000001"), "           sul fuso orario");
  EXPECT_EQ(line("-0,0000001"), "           sul fuso orario");
  EXPECT_EQ(line("7,5"), "7,5°  ad Est del fuso orario");
  EXPECT_EQ(line("-15"), "-15,°  ad Ovest del fuso orario");
  EXPECT_EQ(line("12.3456"), "12,346°  ad Est del fuso orario");
}

TEST_F(PlateBTest, TenDaySpacingAddsTwentyFourShortDateLines) {
  const auto shortLines = [](const CallList& calls) {
    int n = 0;
    for (const DrawCall& call : calls)
      if (const auto* l = std::get_if<LineCall>(&call);
          l && l->x1 == l->x2 && l->y1 == 200 && l->y2 == 1525)
        ++n;
    return n;
  };
  const CallList months = PlateB("0", false);
  const CallList decades = PlateB("0", true);
  EXPECT_EQ(shortLines(months), 12);
  EXPECT_EQ(shortLines(decades), 36);
  EXPECT_EQ(decades.size(), months.size() + 24);
  EXPECT_EQ(Curve(months).size(), Curve(decades).size());
}

TEST_F(PlateBTest, FramesTextsAndMonthInitials) {
  const CallList calls = PlateB("0");
  EXPECT_EQ(calls[0], DrawCall(LineCall{100, 100, 3900, 100, Colour::Foreground}));
  EXPECT_EQ(calls[6], DrawCall(LineCall{3900, 1938.477f, 3850, 2188.477f, Colour::Foreground}));
  EXPECT_EQ(calls[9], DrawCall(TextCall{1900, 2028.477f, "B1", Colour::White}));
  EXPECT_EQ(calls[10], DrawCall(TextCall{1095, 1665,
                                         "delta = equazione del tempo (minuti) corretta per la "
                                         "longitudine",
                                         Colour::White}));
  EXPECT_EQ(calls[12], DrawCall(TextCall{300, 1050, "  medio del fuso", Colour::White}));
  EXPECT_EQ(calls[20], DrawCall(TextCall{240, 545, "TMF = TSVL - delta", Colour::White}));
  EXPECT_EQ(calls[24], DrawCall(TextCall{3115, 1250, " dall'orologio solare)", Colour::White}));
  EXPECT_EQ(calls[29], DrawCall(TextCall{3200, 545, "TSVL = TMF + delta", Colour::White}));
  std::string initials;
  for (const TextCall& t : TextsAt(calls, 0)) initials += t.text;  // none at x = 0
  for (const DrawCall& call : calls)
    if (const auto* t = std::get_if<TextCall>(&call); t && t->y == 110) initials += t->text;
  EXPECT_EQ(initials, "GFMAMGLASOND");
}

}  // namespace
