// The shadow at an instant against figures worked out apart from the
// program: the zone's offsets from Python's zoneinfo, the rows from the
// printed almanac, the altitude and the plate's point from their formulas.
#include <gtest/gtest.h>

#include <cmath>

#include "devices/RecordingCanvas.h"
#include "pieces/PieceBodies.h"
#include "shadow/ClockInstant.h"
#include "shadow/ShadowAtInstant.h"
#include "shadow/ShadowOverlay.h"
#include "shadow/ShadowWords.h"
#include "solar/DayTable.h"
#include "solar/DeltaChart.h"
#include "solar/Sexagesimal.h"

namespace {

struct Instant {
  const char* what;
  double latitude, offset;
  const char* zone;
  QDate date;
  QTime clock;
  HourSystem hours;
  // Expected.
  int summerMinutes;
  const char *tmf, *tsvl;
  int row;
  double delta, hourAngle, altitude;
  double x, y, mm;        // NAN: the Sun is down
  double temporaryHour;   // NAN: equal hours
  double meridian = NAN;  // the plates', where moved from the zone's
  int zoneShift = 0;      // minutes the zone's clocks keep ahead of it
};

constexpr auto kEqual = HourSystem::Astronomical;
// clang-format off
const Instant kInstants[] = {
    {"northern summer time", 45, 0, "Europe/Rome", {2026, 6, 21}, {12, 0}, kEqual,
     60, "11:00:00", "10:58:21", 172, -1.65, -15.4125, 65.0625, 1899.315, 1899.768, 88.632, NAN},
    {"southern summer time", -33.868, 1.209, "Australia/Sydney", {2026, 1, 15}, {16, 30}, kEqual,
     60, "15:30:00", "15:25:27", 15, -4.5473, 51.3632, 43.1957, 393.836, 1384.049, 62.877, NAN},
    {"a zone of half hours", 19.076, -9.623, "Asia/Kolkata", {2026, 3, 21}, {9, 30}, kEqual,
     0, "09:30:00", "08:44:12", 80, -45.792, -48.948, 38.4558, 1017.123, 1275.868, 57.474, NAN},
    {"the Sun below the horizon", 45, 0, "Europe/Rome", {2026, 12, 22}, {20, 0}, kEqual,
     0, "20:00:00", "20:01:33", 356, 1.55, 120.3875, -37.556, NAN, NAN, NAN, NAN},
    {"29 February reads 28 February", 41.9, -2.5, "Europe/Rome", {2028, 2, 29}, {10, 0}, kEqual,
     0, "10:00:00", "09:37:23", 59, -22.6167, -35.6542, 30.4095, 815.753, 1086.606, 48.023, NAN},
    {"31 December is the last row", 45, 0, "Europe/Rome", {2026, 12, 31}, {15, 0}, kEqual,
     0, "15:00:00", "14:57:06", 365, -2.9, 44.275, 10.8518, 3750, 543.238, 20.887, NAN},
    {"the repeated hour: the first, in summer time", 45, 0, "Europe/Rome", {2026, 10, 25}, {2, 30},
     kEqual, 60, "01:30:00", "01:45:53", 298, 15.8833, -153.5292, -50.0828, NAN, NAN, NAN, NAN},
    {"Dublin in winter keeps no summer time", 53.35, -6.26, "Europe/Dublin", {2026, 1, 15},
     {12, 0}, kEqual,
     0, "12:00:00", "11:25:35", 15, -34.4233, -8.6058, 15.1442, 393.836, 678.802, 27.657, NAN},
    {"Dublin in July", 53.35, -6.26, "Europe/Dublin", {2026, 7, 15}, {12, 0}, kEqual,
     60, "11:00:00", "10:29:04", 196, -30.94, -22.735, 53.7647, 2129.452, 1625.432, 74.932, NAN},
    {"temporary hours", 45, 0, "Etc/UTC", {2026, 6, 21}, {9, 0}, HourSystem::Temporary,
     0, "09:00:00", "08:58:21", 172, -1.65, -45.4125, 47.458, 1899.315, 1480.804, 67.709, 3.6451},
    {"Madrid, drawn for the meridian 0", 40.416, -3.703, "Europe/Madrid", {2026, 3, 21}, {12, 0},
     kEqual, 0, "11:00:00", "10:37:53", 80, -22.112, -20.528, 45.6808, 1017.123, 1440.447, 65.694,
     NAN, 0, 60},
};
// clang-format on

TEST(ShadowTest, InstantsWorkedOutByHand) {
  for (const Instant& c : kInstants) {
    SCOPED_TRACE(c.what);
    CheckedProject site = ProjectOfSite({c.latitude, c.offset, DateLineSpacing::Months}, c.hours,
                                        QString::fromUtf8(c.zone));
    if (!std::isnan(c.meridian)) site.project.site.meridian = c.meridian;
    const ShadowOutcome outcome = ShadowAt({site, c.date, c.clock});
    ASSERT_TRUE(outcome.reading) << outcome.problem.toStdString();
    const ShadowReading& r = *outcome.reading;
    EXPECT_EQ(r.summerMinutes, c.summerMinutes);
    EXPECT_EQ(r.zoneShiftMinutes, c.zoneShift);
    EXPECT_EQ(ClockTimeText(r.tmfMs).toStdString(), c.tmf);
    EXPECT_EQ(ClockTimeText(r.tsvlMs).toStdString(), c.tsvl);
    EXPECT_EQ(r.row, c.row);
    EXPECT_NEAR(r.deltaMinutes, c.delta, 1e-4);
    EXPECT_NEAR(r.hourAngleDeg, c.hourAngle, 1e-3);
    EXPECT_NEAR(r.altitudeDeg, c.altitude, 1e-3);
    ASSERT_EQ(r.SunUp(), !std::isnan(c.y));
    if (r.SunUp()) {
      EXPECT_NEAR(r.shadow->x, c.x, 1e-3);
      EXPECT_NEAR(r.shadow->y, c.y, 1e-2);
      EXPECT_NEAR(MillimetresBelowTop(r.shadow->y), c.mm, 1e-3);
    }
    ASSERT_EQ(r.temporaryHour.has_value(), !std::isnan(c.temporaryHour));
    if (r.temporaryHour) {
      EXPECT_NEAR(*r.temporaryHour, c.temporaryHour, 1e-3);
    }
  }
}

TEST(ShadowTest, ClockTimesThatDoNotExistOrHappenTwice) {
  const auto at = [](QDate date, QTime clock, const char* zone = "Europe/Rome") {
    return ShadowAt({ProjectOfSite({45, 0, DateLineSpacing::Months}, HourSystem::Astronomical,
                                   QString::fromUtf8(zone)),
                     date, clock});
  };
  const ShadowOutcome skipped = at({2026, 3, 29}, {2, 30});
  EXPECT_FALSE(skipped.reading);
  EXPECT_EQ(skipped.problem.toStdString(),
            "le 02:30 del 29/03/2026 non esistono nel fuso Europe/Rome: l'orologio salta avanti "
            "di 60 minuti");
  const ShadowOutcome southern = at({2026, 10, 4}, {2, 30}, "Australia/Sydney");
  EXPECT_FALSE(southern.reading) << "Sydney moves its clocks on the first Sunday of October";

  const ShadowOutcome twice = at({2026, 10, 25}, {2, 30});
  ASSERT_TRUE(twice.reading);
  EXPECT_EQ(RepeatedHourNote(*twice.reading).toStdString(),
            "le 02:30 del 25/10/2026 capitano due volte nel fuso Europe/Rome: si prende la prima");
  const ShadowOutcome after = at({2026, 10, 25}, {3, 30});
  ASSERT_TRUE(after.reading);
  EXPECT_EQ(after.reading->summerMinutes, 0);
  EXPECT_TRUE(RepeatedHourNote(*after.reading).isEmpty());

  // Troll keeps European summer time, two hours, in the southern winter.
  for (const auto& [date, summer] : {std::pair{QDate(2026, 7, 15), 120}, {QDate(2026, 1, 15), 0}}) {
    const ShadowOutcome troll = at(date, {12, 0}, "Antarctica/Troll");
    ASSERT_TRUE(troll.reading);
    EXPECT_EQ(troll.reading->summerMinutes, summer);
  }

  EXPECT_EQ(at({2026, 6, 21}, {12, 0}, "Marte/Olimpo").problem.toStdString(),
            "fuso orario sconosciuto: Marte/Olimpo");
}

TEST(ShadowTest, WhatThePlatesRead) {
  const QLocale italian(QLocale::Italian);
  const auto reading = [](HourSystem hours, QTime clock, std::optional<double> meridian = {}) {
    CheckedProject site = ProjectOfSite({45, 0, DateLineSpacing::Months}, hours, "Etc/UTC");
    site.project.site.meridian = meridian;
    return *ShadowAt({site, {2026, 6, 21}, clock}).reading;
  };
  const struct {
    HourSystem hours;
    QTime clock;
    bool plateB;
    const char* sentence;
    std::optional<double> meridian = {};  // the plates', where moved from the zone's
  } kSentences[] = {
      {HourSystem::Astronomical,
       {9, 0},
       false,
       "Il quindal segna le 08:58 (o le 15:02), il Sole è alto 47,5°. L'orologio (Etc/UTC, "
       "senza ora legale) segna le 09:00 del 21/06/2026: TMF 09:00:00, delta -1,65 min, TSVL "
       "08:58:21."},
      {HourSystem::Temporary,
       {9, 0},
       false,
       "Il quindal segna l'ora temporaria 3:39 (o 8:21), il Sole è alto 47,5°. L'orologio "
       "(Etc/UTC, senza ora legale) segna le 09:00 del 21/06/2026: TMF 09:00:00, delta -1,65 "
       "min, TSVL 08:58:21."},
      {HourSystem::Astronomical,
       {23, 0},
       false,
       "Il Sole è sotto l'orizzonte: nessuna ombra. L'orologio (Etc/UTC, senza ora legale) "
       "segna le 23:00 del 21/06/2026: TMF 23:00:00, delta -1,65 min, TSVL 22:58:21."},
      {HourSystem::Astronomical,
       {9, 0},
       true,
       "La piastra B dà delta -1,65 min per il 21/06: TMF = TSVL - delta. L'orologio (Etc/UTC, "
       "senza ora legale) segna le 09:00 del 21/06/2026: TMF 09:00:00, delta -1,65 min, TSVL "
       "08:58:21."},
      {HourSystem::Astronomical,
       {9, 0},
       false,
       "Il quindal segna le 07:58 (o le 16:02), il Sole è alto 37,0°. L'orologio (Etc/UTC, +1 "
       "ora sul meridiano delle piastre, senza ora legale) segna le 09:00 del 21/06/2026: TMF "
       "08:00:00, delta -1,65 min, TSVL 07:58:21.",
       -15},  // a site far west of its zone's meridian: its clocks an hour ahead
  };
  for (const auto& c : kSentences) {
    SCOPED_TRACE(c.sentence);
    const QString sentence =
        ShadowSentence(reading(c.hours, c.clock, c.meridian), c.plateB, italian);
    EXPECT_EQ(sentence.toStdString(), c.sentence);
    // "ora solare" (standard time) would stand beside "tempo solare".
    EXPECT_FALSE(sentence.contains("ora solare"));
  }
  // The plate's own reading, as ombra's "lettura" gives it: temporary hours
  // in hours and minutes of temporary time, never decimals.
  EXPECT_EQ(ReadingWords(reading(HourSystem::Temporary, {9, 0})).toStdString(),
            "ora temporaria 3:39 o 8:21 (la piastra non distingue il mattino dal pomeriggio)");
  EXPECT_EQ(ShadowSentence(*ShadowAt({ProjectOfSite({45, 0, DateLineSpacing::Months},
                                                    HourSystem::Astronomical, "Europe/Rome"),
                                      {2026, 6, 21},
                                      {12, 0}})
                                .reading,
                           false, italian)
                .section(". ", 1)
                .toStdString(),
            "L'orologio (Europe/Rome, ora legale +60 min) segna le 12:00 del 21/06/2026: TMF "
            "11:00:00, delta -1,65 min, TSVL 10:58:21.");
}

// Numbers a reader meets: no sign on a zero, temporary time in hours and
// minutes, summer time in the words of its length.
TEST(ShadowTest, NumbersInWords) {
  const QLocale italian(QLocale::Italian), c = QLocale::c();
  const struct {
    double value;
    int decimals;
    const char *italianText, *cText;
  } kRounded[] = {{-0.04, 1, "0,0", "0.0"}, {-0.004, 2, "0,00", "0.00"},
                  {0.05, 1, "0,1", "0.1"},  {-1.65, 2, "-1,65", "-1.65"},
                  {-0.0, 0, "0", "0"},      {12.25, 1, "12,3", "12.3"}};
  for (const auto& r : kRounded) {
    EXPECT_EQ(RoundedText(r.value, r.decimals, italian).toStdString(), r.italianText) << r.value;
    EXPECT_EQ(RoundedText(r.value, r.decimals, c).toStdString(), r.cText) << r.value;
  }
  const struct {
    double hour;
    const char* text;
  } kTemporary[] = {
      {3.4667, "3:28"}, {8.6, "8:36"}, {8.9999, "9:00"}, {0, "0:00"}, {11.5, "11:30"}};
  for (const auto& t : kTemporary) EXPECT_EQ(TemporaryHourText(t.hour).toStdString(), t.text);
  EXPECT_EQ(SummerTimeWords(60).toStdString(), "1 ora");
  EXPECT_EQ(SummerTimeWords(30).toStdString(), "30 minuti");
  EXPECT_EQ(SummerTimeWords(120).toStdString(), "2 ore");
}

// The marks over plate B stand on the day's delta as the chart draws it:
// 15 January at offset 0 is the equation of time, about -9.2 minutes, below
// the chart's zero line (the chart's values grow upward). Plate C's marks
// carry the reading beside the dot.
TEST(ShadowTest, MarksStandWhereThePlatesSayIt) {
  const ShadowReading january = *ShadowAt({ProjectOfSite({45, 0, DateLineSpacing::Months},
                                                         HourSystem::Astronomical, "Etc/UTC"),
                                           {2026, 1, 15},
                                           {10, 0}})
                                     .reading;
  const ShadowMarks b = ShadowMarksFor(january, true);
  ASSERT_EQ(b.lines.size(), 2u);
  const double top = DeltaChart::TopValue(0);
  ASSERT_EQ(january.row, 15);
  const double equation = SexagesimalToDecimal(DayTable[15].EquationOfTime);
  EXPECT_LT(equation, -9);
  EXPECT_NEAR(b.lines[1].line.y1(), DeltaChart::ValueY(top, equation), 1e-9);
  EXPECT_GT(b.lines[1].line.y1(), DeltaChart::ValueY(top, 0));
  EXPECT_NEAR(b.lines[0].line.x1(), DeltaChart::RowX(15), 1e-9);
  ASSERT_TRUE(b.dot);
  EXPECT_EQ(b.dot->y(), b.lines[1].line.y1());

  const ShadowMarks c = ShadowMarksFor(january, false);
  ASSERT_TRUE(c.dot && c.shade);
  EXPECT_EQ(c.label.toStdString(), "09:51 o 14:09");  // TSVL 09:50:48
  EXPECT_EQ(c.dot->y(), january.shadow->y);
  EXPECT_EQ(c.lines[0].line.x1(), kDialLeft);  // the edge stops at the dial's sides
  EXPECT_EQ(c.lines[0].line.x2(), kDialRight);
}

// At every whole hour of the Sun (hour angle 15 k) the shadow at an instant
// lands on an end of a line plate C draws for that hour and day: the dial
// and the reading are one geometry, to a float's rounding.
TEST(ShadowTest, TheShadowLandsOnTheHourLinesPlateCDraws) {
  const CheckedProject rome = ProjectOfSite({45.667, -2.758, DateLineSpacing::Months},
                                            HourSystem::Astronomical, "Europe/Rome");
  RecordingCanvas dial;
  GRAPH1::PlateCAstronomicalBody(dial, rome.parameters);
  std::vector<std::pair<float, float>> ends;
  for (const DrawCall& call : dial.Calls())
    if (const auto* line = std::get_if<LineCall>(&call))
      ends.insert(ends.end(), {{line->x1, line->y1}, {line->x2, line->y2}});
  const auto ulp = [](float v) { return std::nextafter(std::fabs(v), INFINITY) - std::fabs(v); };
  int landed = 0;
  for (int month = 1; month <= 12; ++month) {
    for (const int day : {1, 11, 21}) {
      const QDate date(2026, month, day);
      const ShadowReading noon = *ShadowAt({rome, date, {12, 0}}).reading;
      for (int k = -6; k <= 6; ++k) {
        SCOPED_TRACE(date.toString(Qt::ISODate).toStdString() + " " + std::to_string(k));
        // The clock when the Sun's time is 12 + k: summer time on, delta off.
        const qint64 clock = (12 + k) * 3600000LL + noon.summerMinutes * 60000LL -
                             std::llround(noon.deltaMinutes * 60000);
        const ShadowReading r =
            *ShadowAt({rome, date, QTime::fromMSecsSinceStartOfDay(int(clock))}).reading;
        ASSERT_EQ(r.hourAngleDeg, 15.0 * k);
        if (!r.shadow) continue;
        const float x = float(r.shadow->x), y = float(r.shadow->y);
        const bool onAnEnd = std::any_of(ends.begin(), ends.end(), [&](const auto& e) {
          return std::fabs(e.first - x) <= ulp(x) && std::fabs(e.second - y) <= ulp(y);
        });
        EXPECT_TRUE(onAnEnd) << x << ", " << y;
        landed += onAnEnd;
      }
    }
  }
  EXPECT_GT(landed, 36 * 7);  // at least the hours from 9 to 15 every day
}

// "Now" is the zone's own date and time, not the system's: Kiritimati is
// 14 hours ahead of UTC.
TEST(ShadowTest, NowIsTheZonesOwn) {
  const QDateTime there =
      QDateTime::currentDateTime().toTimeZone(QTimeZone(QByteArray("Pacific/Kiritimati")));
  const ClockReading now = ClockNow("Pacific/Kiritimati");
  EXPECT_EQ(now.date, there.date());
  EXPECT_LE(std::abs(now.time.secsTo(QTime(there.time().hour(), there.time().minute()))), 60);
}

}  // namespace
