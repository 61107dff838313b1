#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "solar/DayTable.h"
#include "solar/PlateGeometry.h"
#include "solar/Sexagesimal.h"

namespace {

const double kPi = 4 * std::atan(1.0);
const double kRadPerDeg = kPi / 180;
const double kDegPerRad = 180 / kPi;

int RowOf(const char* label) {
  for (int i = 1; i < 366; ++i)
    if (std::string(DayTable[i].DayLabel) == label) return i;
  return -1;
}

TEST(DayTableTest, OneCommonYearAfterTheDayBefore) {
  ASSERT_EQ(DayTable.size(), 366u);
  EXPECT_STREQ(DayTable[0].DayLabel, "31-DIC");
  EXPECT_STREQ(DayTable[1].DayLabel, "01-GEN");
  EXPECT_STREQ(DayTable[59].DayLabel, "28-FEB");
  EXPECT_STREQ(DayTable[60].DayLabel, "01-MAR");
  EXPECT_STREQ(DayTable[365].DayLabel, "31-DIC");
  EXPECT_EQ(DayTable[0].Declination, DayTable[365].Declination);
  EXPECT_EQ(DayTable[0].EquationOfTime, DayTable[365].EquationOfTime);
  std::set<std::string> labels;
  for (const DayRow& row : DayTable) {
    EXPECT_EQ(std::string(row.DayLabel).size(), 6u);
    EXPECT_NE(row.Declination, 0);
    EXPECT_NE(row.EquationOfTime, 0);
    labels.insert(row.DayLabel);
  }
  EXPECT_EQ(labels.size(), 365u);  // only "31-DIC" comes twice
}

TEST(DayTableTest, TellingRows) {
  struct Telling {
    int row;
    const char* label;
    double declination, equation;
  };
  for (const Telling& t :
       {Telling{0, "31-DIC", -23.06, -2.54}, Telling{79, "20-MAR", -0.11, -7.35},
        Telling{80, "21-MAR", 0.13, -7.18}, Telling{172, "21-GIU", 23.27, -1.39},
        Telling{265, "22-SET", 0.20, 7.12}, Telling{266, "23-SET", -0.03, 7.33},
        Telling{356, "22-DIC", -23.27, 1.33}, Telling{42, "11-FEB", -14.02, -14.16},
        Telling{307, "03-NOV", -15.03, 16.25}}) {
    EXPECT_STREQ(DayTable[t.row].DayLabel, t.label);
    EXPECT_EQ(DayTable[t.row].Declination, t.declination) << t.label;
    EXPECT_EQ(DayTable[t.row].EquationOfTime, t.equation) << t.label;
  }
}

TEST(DayTableTest, DateLineKinds) {
  int tens = 0, monthEnds = 0;
  for (const DayRow& row : DayTable) {
    const std::string label = row.DayLabel;
    const std::string day = label.substr(0, 2);
    if (row.DateLineKind == DateLine::TenDay) {
      ++tens;
      EXPECT_TRUE(day == "10" || day == "20") << label;
    }
    if (row.DateLineKind == DateLine::MonthEnd) ++monthEnds;
  }
  EXPECT_EQ(tens, 24);
  EXPECT_EQ(monthEnds, 11);
  for (const char* end : {"31-GEN", "28-FEB", "30-APR", "30-NOV"})
    EXPECT_EQ(DayTable[RowOf(end)].DateLineKind, DateLine::MonthEnd) << end;
  EXPECT_EQ(DayTable[0].DateLineKind, DateLine::None);
  EXPECT_EQ(DayTable[365].DateLineKind, DateLine::None);
  EXPECT_EQ(DayTable[RowOf("20-GIU")].DateLineKind, DateLine::TenDay);
  EXPECT_EQ(DayTable[RowOf("21-GIU")].DateLineKind, DateLine::None);
}

TEST(SexagesimalTest, CountsTheDecimalsAsSixtieths) {
  EXPECT_NEAR(SexagesimalToDecimal(23.27), 23.45, 1e-12);
  EXPECT_NEAR(SexagesimalToDecimal(-23.01), -(23 + 1.0 / 60), 1e-12);
  EXPECT_NEAR(SexagesimalToDecimal(0.40), 2.0 / 3, 1e-12);
  EXPECT_NEAR(SexagesimalToDecimal(16.25), 16 + 25.0 / 60, 1e-12);
  EXPECT_NEAR(SexagesimalToDecimal(-14.16), -(14 + 16.0 / 60), 1e-12);
  // The sign of values between -1 and 0 survives.
  EXPECT_NEAR(SexagesimalToDecimal(-0.03), -0.05, 1e-12);
  EXPECT_NEAR(SexagesimalToDecimal(-0.58), -58.0 / 60, 1e-12);
  EXPECT_NEAR(SexagesimalToDecimal(-0.11), -11.0 / 60, 1e-12);
}

TEST(SexagesimalTest, ConvertedTableStaysInItsRanges) {
  double lowest = 1e9, highest = -1e9;
  for (const DayRow& row : DayTable) {
    const double delta = SexagesimalToDecimal(row.Declination);
    EXPECT_LE(std::fabs(delta), 23.45 + 1e-9) << row.DayLabel;
    const double e = SexagesimalToDecimal(row.EquationOfTime);
    lowest = std::min(lowest, e);
    highest = std::max(highest, e);
    // Minutes and seconds below 60.
    const double fraction = std::fabs(row.Declination) - std::floor(std::fabs(row.Declination));
    EXPECT_LT(fraction, 0.595) << row.DayLabel;
  }
  EXPECT_NEAR(lowest, -(14 + 16.0 / 60), 1e-9);
  EXPECT_NEAR(highest, 16 + 25.0 / 60, 1e-9);
}

const PlateGeometry kPlate(45, kRadPerDeg);

TEST(PlateGeometryTest, Constants) {
  EXPECT_NEAR(kPlate.ShadowBase, 1838.4776310850236, 1e-9);
  EXPECT_NEAR(kPlate.DayStep, 9.58904109589041, 1e-12);
}

TEST(PlateGeometryTest, KnownShadows) {
  struct Case {
    double phi;
    int row;
    double t, hDeg, y;
  };
  const double kHTolerance = 1e-4, kYTolerance = 1e-3;
  for (const Case& c : {Case{45, 172, 0, 68.45, 1988.9077}, Case{45, 356, 0, 21.55, 861.0923},
                        Case{45, 172, 90, 16.3433, 714.5475}, Case{-45, 172, 0, 21.55, 861.0923},
                        Case{0, 172, 0, 66.55, 1938.3946}, Case{45, 0, 60, 2.7387, 243.6967}}) {
    double phi = c.phi;
    const Shadow s =
        ShadowPoint(phi, SexagesimalToDecimal(DayTable[c.row].Declination), c.t, c.row, kPlate);
    EXPECT_NEAR(s.h * kDegPerRad, c.hDeg, kHTolerance) << c.phi << " row " << c.row;
    EXPECT_NEAR(s.y, c.y, kYTolerance) << c.phi << " row " << c.row;
    EXPECT_NEAR(s.x, 250 + c.row * 3500.0 / 365, 1e-9);
    EXPECT_EQ(phi, c.phi);
  }
}

TEST(PlateGeometryTest, AltitudeToDistanceAlongThePlate) {
  EXPECT_EQ(PointOnPlate(0, 0, kPlate).y, 125);
  EXPECT_NEAR(PointOnPlate(kPi / 4, 0, kPlate).y, 1425, 1e-9);
  EXPECT_NEAR(PointOnPlate(kPi / 2, 0, kPlate).y, 2725, 1e-9);
  EXPECT_EQ(PointOnPlate(0, 0, kPlate).x, 250);
  EXPECT_NEAR(PointOnPlate(0, 365, kPlate).x, 3750, 1e-9);
}

TEST(PlateGeometryTest, SolsticeLatitudeMovesOffTheTropics) {
  for (const auto& [in, out] : std::vector<std::pair<double, double>>{{23.45, 23.45001},
                                                                      {-23.45, -23.45001},
                                                                      {23.4500005, 23.45001},
                                                                      {23.4501, 23.4501},
                                                                      {45, 45}}) {
    EXPECT_EQ(SolsticeAdjustedLatitude(in), out) << in;
  }
}

TEST(PlateGeometryTest, ZenithGuardMovesTheLatitudeForGood) {
  // 11.5 is the declination of "20-APR" (packed 11.30) to within 1e-6.
  const int april20 = RowOf("20-APR");
  double phi = 11.5;
  for (int i = 0; i < april20; ++i)
    phi = ZenithGuardedLatitude(phi, SexagesimalToDecimal(DayTable[i].Declination));
  EXPECT_EQ(phi, 11.5);
  const double delta = SexagesimalToDecimal(DayTable[april20].Declination);
  phi = ZenithGuardedLatitude(phi, delta);
  EXPECT_NEAR(phi, 11.5001, 1e-12);
  EXPECT_LT(SunAltitude(phi, delta, 0, kPlate), kPi / 2);
  phi = ZenithGuardedLatitude(phi, SexagesimalToDecimal(DayTable[april20 + 1].Declination));
  EXPECT_NEAR(phi, 11.5001, 1e-12);
  EXPECT_EQ(ZenithGuardedLatitude(-11.5, -delta), -11.5001);
}

TEST(PlateGeometryTest, SouthIsNorthWithTheDeclinationReversed) {
  for (double latitude : {10.0, 33.25, 45.0, 66.5, 89.0}) {
    for (const DayRow& row : DayTable) {
      const double delta = SexagesimalToDecimal(row.Declination);
      for (double t : {0.0, 45.0, 120.0}) {
        EXPECT_EQ(SunAltitude(-latitude, delta, t, kPlate),
                  SunAltitude(latitude, -delta, t, kPlate));
        EXPECT_EQ(SunAltitude(latitude, delta, t, kPlate),
                  SunAltitude(latitude, delta, -t, kPlate));
      }
    }
  }
}

TEST(PlateGeometryTest, NoNaNJustOutsideTheZenithGuard) {
  // A hair outside the guard the sine of the altitude can round above 1.
  for (const DayRow& row : DayTable) {
    const double delta = SexagesimalToDecimal(row.Declination);
    for (double offset : {1e-6, 1.0000001e-6, 2e-6, -1e-6, -1.5e-6, 1e-5}) {
      const double phi = ZenithGuardedLatitude(delta + offset, delta);
      const Shadow s = ShadowPoint(phi, delta, 0, 0, kPlate);
      EXPECT_TRUE(std::isfinite(s.h) && std::isfinite(s.y)) << row.DayLabel << " " << offset;
    }
  }
}

}  // namespace
