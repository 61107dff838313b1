#include <gtest/gtest.h>

#include "project/Preamble.h"
#include "scripted_panel.h"

// A regional format as the test list names it, not as bytes.
void PrintTo(const QLocale& locale, std::ostream* os) { *os << locale.name().toStdString(); }

namespace {

// The tests run under both kinds of regional format.
class PreambleTest : public ::testing::TestWithParam<QLocale> {
 protected:
  void SetUp() override {
    saved_ = QLocale();
    QLocale::setDefault(GetParam());
  }
  void TearDown() override { QLocale::setDefault(saved_); }
  QLocale saved_;
};

std::optional<DrawingParameters> Check(const char* latitude, const char* longitude,
                                       bool option5 = false, bool option6 = true) {
  return CheckInputs({QString::fromUtf8(latitude), QString::fromUtf8(longitude), option5, option6});
}

TEST_P(PreambleTest, AcceptsTheRangesWithTheirEnds) {
  for (const char* latitude : {"90", "-90", "0", "45,5", "45.5"}) {
    for (const char* longitude : {"15", "-15", "0", "7,5"}) {
      EXPECT_TRUE(Check(latitude, longitude)) << latitude << " / " << longitude;
    }
  }
  const auto p = Check("-33,25", " 7.5 ", true, false);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->Latitude, -33.25);
  EXPECT_EQ(p->LongitudeOffset, 7.5);
  EXPECT_EQ(p->DateSpacing, DateLineSpacing::TenDays);
  EXPECT_EQ(Check("45", "0")->DateSpacing, DateLineSpacing::Months);
}

TEST_P(PreambleTest, RefusesEachFailedCheck) {
  EXPECT_FALSE(Check("45", ""));                 // 1: empty longitude
  EXPECT_FALSE(Check("", "0"));                  // 1: empty latitude
  EXPECT_FALSE(Check("45", "0", false, false));  // 3: no date spacing chosen
  EXPECT_FALSE(Check("abc", "0"));               // 4: letters
  EXPECT_FALSE(Check(" ", "0"));                 // 4: blanks are not empty, but not a number
  EXPECT_FALSE(Check("90,5", "0"));              // 5
  EXPECT_FALSE(Check("-90.01", "0"));            // 5
  EXPECT_FALSE(Check("45", " "));                // 6: the blank the window starts with
  EXPECT_FALSE(Check("45", "15,01"));            // 7
  EXPECT_FALSE(Check("45", "-15.5"));            // 7
  EXPECT_FALSE(Check("nan", "0"));               // not finite
  EXPECT_FALSE(Check("45", "inf"));
}

TEST_P(PreambleTest, ThousandsSeparatorsAreNotNumbers) {
  // Under an Italian format "0.045" would otherwise be read as 45.
  const auto p = Check("0.045", "0");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->Latitude, 0.045);
  EXPECT_FALSE(Check("1.000,5", "0"));
}

TEST_P(PreambleTest, ExtraCheckRunsLastAndOnlyOnGoodInput) {
  int calls = 0;
  const ExtraCheck refuseAbove60 = [&](const DrawingParameters& p) {
    ++calls;
    return p.Latitude <= 60;
  };
  EXPECT_TRUE(CheckInputs({"60", "0", false, true}, refuseAbove60));
  EXPECT_FALSE(CheckInputs({"67", "0", false, true}, refuseAbove60));
  EXPECT_FALSE(CheckInputs({"67", "99", false, true}, refuseAbove60));
  EXPECT_EQ(calls, 2);
}

TEST_P(PreambleTest, RefusalShowsTheBoxThenEmptiesBothBoxesThenFocuses) {
  ScriptedPanel panel("45", "");
  EXPECT_FALSE(RunPreamble(panel));
  EXPECT_EQ(panel.log, (QStringList{"ShowRefusal", "SetText1:", "SetText4:", "FocusText1"}));
  EXPECT_EQ(panel.refusal, "scostamento: manca il valore");  // the box says why
  EXPECT_TRUE(panel.text1.isEmpty());
  EXPECT_TRUE(panel.text4.isEmpty());
  EXPECT_FALSE(panel.option5);  // the options are not touched
  EXPECT_TRUE(panel.option6);
}

TEST_P(PreambleTest, AcceptanceLeavesTheWindowAsTyped) {
  ScriptedPanel panel("41,9", "12,5", true);
  const auto p = RunPreamble(panel);
  ASSERT_TRUE(p);
  EXPECT_TRUE(panel.log.isEmpty());
  EXPECT_EQ(panel.text1, "41,9");
  EXPECT_EQ(panel.text4, "12,5");
  EXPECT_DOUBLE_EQ(p->parameters.Latitude, 41.9);
  EXPECT_EQ(p->parameters.DateSpacing, DateLineSpacing::TenDays);
}

INSTANTIATE_TEST_SUITE_P(Formats, PreambleTest,
                         ::testing::Values(QLocale(QLocale::Italian, QLocale::Italy),
                                           QLocale(QLocale::English, QLocale::UnitedStates),
                                           QLocale::c()),
                         [](const auto& info) {
                           return info.param.name().replace(u'_', QString()).toStdString();
                         });

}  // namespace
