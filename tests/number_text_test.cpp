#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>

#include "drawing/NumberText.h"
#include "project/Preamble.h"

namespace {

const QLocale kItalian(QLocale::Italian, QLocale::Italy);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

struct Reading {
  const char* text;
  std::optional<double> italian;
  std::optional<double> english;
};

void PrintTo(const Reading& r, std::ostream* os) { *os << '"' << r.text << '"'; }

class ReadNumberTest : public ::testing::TestWithParam<Reading> {};

TEST_P(ReadNumberTest, ReadsTheSameUnderBothFormats) {
  const Reading& r = GetParam();
  EXPECT_EQ(ReadNumber(QString::fromUtf8(r.text), kItalian), r.italian) << "italian: " << r.text;
  EXPECT_EQ(ReadNumber(QString::fromUtf8(r.text), kEnglish), r.english) << "english: " << r.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberTest,
    ::testing::Values(
        // Both decimal separators, whatever the regional format.
        Reading{"45,5", 45.5, 45.5}, Reading{"45.5", 45.5, 45.5}, Reading{"-33,25", -33.25, -33.25},
        Reading{",5", 0.5, 0.5},
        // No thousands separators: "0.045" is not 45 under an Italian format.
        Reading{"0.045", 0.045, 0.045}, Reading{"0,045", 0.045, 0.045},
        Reading{"1.234,5", std::nullopt, std::nullopt},
        Reading{"1,234.5", std::nullopt, std::nullopt}, Reading{"1.000", 1.0, 1.0},
        // Blanks around the number are allowed, blanks alone are not a number.
        Reading{"  45  ", 45.0, 45.0}, Reading{" ", std::nullopt, std::nullopt},
        Reading{"", std::nullopt, std::nullopt},
        // Not finite numbers: a NaN would pass every range test.
        Reading{"nan", std::nullopt, std::nullopt}, Reading{"inf", std::nullopt, std::nullopt},
        Reading{"-inf", std::nullopt, std::nullopt}, Reading{"1e999", std::nullopt, std::nullopt},
        // What the platform's number reader takes as it is.
        Reading{"+15", 15.0, 15.0}, Reading{"1e1", 10.0, 10.0},
        // Anything else is not a number.
        Reading{"abc", std::nullopt, std::nullopt}, Reading{"45abc", std::nullopt, std::nullopt},
        Reading{"4 5", std::nullopt, std::nullopt}, Reading{"45,5,5", std::nullopt, std::nullopt},
        Reading{"45°", std::nullopt, std::nullopt}),
    // Names that read as words: "45,5" is "45virgola5", "" is "vuoto".
    [](const ::testing::TestParamInfo<Reading>& info) {
      std::string name;
      for (const unsigned char ch : std::string(info.param.text)) {
        if (std::isalnum(ch))
          name += static_cast<char>(ch);
        else if (ch == ',')
          name += "virgola";
        else if (ch == '.')
          name += "punto";
        else if (ch == '-')
          name += "meno";
        else if (ch == '+')
          name += "piu";
        else if (ch == ' ')
          name += "spazio";
        else
          name.append("x").append(std::to_string(ch));
      }
      if (name.empty()) name = "vuoto";
      return name.append("_").append(std::to_string(info.index));
    });

TEST(WholeNumberTextTest, WritesTheSignPlaceAndATrailingBlank) {
  EXPECT_EQ(WholeNumberText(12), " 12 ");
  EXPECT_EQ(WholeNumberText(0), " 0 ");
  EXPECT_EQ(WholeNumberText(-3), "-3 ");
  EXPECT_EQ(WholeNumberText(-15), "-15 ");
}

TEST(DecimalPatternTextTest, ItalianFormat) {
  EXPECT_EQ(DecimalPatternText(15, kItalian), "15,");
  EXPECT_EQ(DecimalPatternText(7.5, kItalian), "7,5");
  EXPECT_EQ(DecimalPatternText(0.5, kItalian), ",5");
  EXPECT_EQ(DecimalPatternText(-15, kItalian), "-15,");
  EXPECT_EQ(DecimalPatternText(45.0002, kItalian), "45,");
  EXPECT_EQ(DecimalPatternText(41.9, kItalian), "41,9");
  EXPECT_EQ(DecimalPatternText(33.25, kItalian), "33,25");
  EXPECT_EQ(DecimalPatternText(1.23456, kItalian), "1,235");
  EXPECT_EQ(DecimalPatternText(-0.25, kItalian), "-,25");
}

TEST(DecimalPatternTextTest, PointFormatHasNoGroupSeparators) {
  EXPECT_EQ(DecimalPatternText(7.5, kEnglish), "7.5");
  EXPECT_EQ(DecimalPatternText(1234.5, kEnglish), "1234.5");
  EXPECT_EQ(DecimalPatternText(12, QLocale::c()), "12.");
}

}  // namespace

// What the site finder writes into the boxes reads back, through the checks,
// to the rounded value, under an Italian and a C format alike.
TEST(PlainDecimalTextTest, WritesWhatTheChecksReadBack) {
  const QLocale c = QLocale::c();
  const struct {
    double value;
    const char* italian;
    const char* plain;
  } cases[] = {{0, "0", "0"},          {0.5, "0,5", "0.5"},
               {15, "15", "15"},       {-2.7584, "-2,758", "-2.758"},
               {-0.0004, "0", "0"},    {45.6667, "45,667", "45.667"},
               {-15, "-15", "-15"},    {0.0005, "0,001", "0.001"},
               {89.99999, "90", "90"}, {-90, "-90", "-90"}};
  for (const auto& k : cases) {
    EXPECT_EQ(PlainDecimalText(k.value, kItalian), k.italian) << k.value;
    EXPECT_EQ(PlainDecimalText(k.value, c), k.plain) << k.value;
    const double rounded = std::round(k.value * 1000) / 1000;
    for (const QLocale& locale : {kItalian, c}) {
      const auto p = CheckInputs(
          {PlainDecimalText(k.value, locale), PlainDecimalText(k.value / 6, locale)}, {}, locale);
      ASSERT_TRUE(p) << k.value;
      EXPECT_DOUBLE_EQ(p->Latitude, rounded);
      EXPECT_DOUBLE_EQ(p->LongitudeOffset, std::round(k.value / 6 * 1000) / 1000);
    }
  }
}
