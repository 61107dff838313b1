#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>

#include "devices/RasterCanvas.h"
#include "drawing/AngleConstants.h"
#include "italian_locale.h"
#include "piece_recorder.h"
#include "pieces/GRAPH1.h"
#include "pieces/RealRange.h"
#include "pieces/SkyGlobe.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kR = kPi / 180;

using PlateATest = ItalianLocaleTest;

// The texts of the latitude box after its title.
std::vector<std::string> LatitudeBox(const char* latitude) {
  const CallList calls = *DrawPiece(GRAPH1::DrawPlateA, latitude);
  std::vector<std::string> texts;
  bool inBox = false;
  for (const DrawCall& call : calls) {
    const auto* t = std::get_if<TextCall>(&call);
    if (!t) {
      if (inBox) break;
      continue;
    }
    if (inBox) texts.push_back(t->text);
    if (t->text == " LATITUDINE") inBox = true;
  }
  return texts;
}

TEST_F(PlateATest, LatitudeBox) {
  using Texts = std::vector<std::string>;
  EXPECT_EQ(LatitudeBox("41,9"), (Texts{" 41,9°", "NORD"}));
  EXPECT_EQ(LatitudeBox("-33,25"), (Texts{" 33,25°", "SUD"}));
  EXPECT_EQ(LatitudeBox("-33"), (Texts{"  33 °", "SUD"}));
  EXPECT_EQ(LatitudeBox("0"), (Texts{"EQUATORE"}));
  EXPECT_EQ(LatitudeBox("45,00005"), (Texts{"  45 °", "NORD"}));
  EXPECT_EQ(LatitudeBox("45,0002"), (Texts{" 45,°", "NORD"}));
  EXPECT_EQ(LatitudeBox("-90"), (Texts{"  90 °", "SUD"}));
}

TEST_F(PlateATest, LatitudeBoxPlaces) {
  const CallList calls = *DrawPiece(GRAPH1::DrawPlateA, "41,9");
  const double dx = 3700.0 / 24, dy = (2122.891 - 100) / 24;
  std::vector<TextCall> texts;
  for (const DrawCall& call : calls)
    if (const auto* t = std::get_if<TextCall>(&call)) texts.push_back(*t);
  ASSERT_GE(texts.size(), 7u);
  EXPECT_EQ(texts[0], (TextCall{25, 1400, "A", Colour::White}));
  EXPECT_NEAR(texts[2].y, 1500 - (2122.891 - 100) / 2 - 210, 1e-3);
  EXPECT_EQ(texts[4].text, " LATITUDINE");
  EXPECT_NEAR(texts[4].x, 2000 - 1.4 * dx, 1e-3);
  EXPECT_NEAR(texts[4].y, 1500 + 9.5 * dy, 1e-3);
  EXPECT_NEAR(texts[5].x, 2000 - 1.75 * dx, 1e-3);
  EXPECT_NEAR(texts[6].x, 2000 + 0.25 * dx, 1e-3);
  EXPECT_NEAR(texts[6].y, 1500 + 10.75 * dy, 1e-3);
}

// The discs of plate A: everything after the latitude box.
CallList Discs(const CallList& calls) {
  std::size_t k = 0;
  for (; k < calls.size(); ++k)
    if (const auto* t = std::get_if<TextCall>(&calls[k]);
        t && (t->text == "NORD" || t->text == "SUD" || t->text == "EQUATORE"))
      break;
  return CallList(calls.begin() + static_cast<long>(k) + 1, calls.end());
}

TEST_F(PlateATest, DiscsAreTheSameForEveryLatitude) {
  const CallList reference = Discs(*DrawPiece(GRAPH1::DrawPlateA, "45"));
  EXPECT_GT(reference.size(), 150000u);
  for (const char* latitude : {"-90", "0", "-33,25", "89,999"})
    EXPECT_EQ(Discs(*DrawPiece(GRAPH1::DrawPlateA, latitude, "15", true)), reference) << latitude;
}

TEST_F(PlateATest, LoopCountsOfTheStarsAndGlobes) {
  const double epsilon = 0.000001;
  for (double a = 0; a <= 382.5; a += 22.5) {
    EXPECT_EQ(GRAPH1::StepCount(a - 22.5, a, 0.01), 2251) << a;
    EXPECT_EQ(GRAPH1::StepCount(a, a + 22.5, 0.01), 2251) << a;
    EXPECT_EQ(GRAPH1::StepCount(a, a + 22.5, 22.5), 2) << a;
  }
  EXPECT_EQ(GRAPH1::StepCount(22.5, 382.5, 45), 9);
  EXPECT_EQ(GRAPH1::StepCount(-30 + epsilon, 90 - epsilon, 7.5), 16);
  EXPECT_EQ(GRAPH1::StepCount(-180 + epsilon, 180 + epsilon, 7.5), 49);
  EXPECT_EQ(GRAPH1::StepCount(-180 + epsilon, 180 + epsilon, 2.5), 145);
  EXPECT_EQ(GRAPH1::StepCount(-30 + epsilon, 90 - epsilon, 3), 40);
  EXPECT_EQ(GRAPH1::StepCount(-180 + epsilon, 180 + epsilon, 3), 121);
  EXPECT_EQ(GRAPH1::StepCount(-180 + epsilon, 180 + epsilon, 1), 361);
  EXPECT_EQ(GRAPH1::StepCount(90 - epsilon, -30 + epsilon, -1), 120);
  EXPECT_EQ(GRAPH1::StepCount(0, 70.0 / 3, 0.05), 467);
}

// Segment ends of one globe, as (x, y) pairs relative to its centre.
std::vector<std::pair<double, double>> GlobeEnds(const CallList& calls, double xc, double radius) {
  std::vector<std::pair<double, double>> ends;
  for (const DrawCall& call : calls) {
    const auto* l = std::get_if<LineCall>(&call);
    if (!l || l->colour != Colour::Foreground) continue;
    for (const auto& [x, y] : {std::pair{l->x1, l->y1}, std::pair{l->x2, l->y2}}) {
      if (std::hypot(x - xc, y - 1500) < radius * 0.95) ends.emplace_back(x - xc, y - 1500);
    }
  }
  std::sort(ends.begin(), ends.end());
  return ends;
}

TEST_F(PlateATest, RightGlobeMirrorsTheLeftOne) {
  const double N = 24, R = (1956.467 - 100) * (N - 2) / 2 / N, r = R * 7 / 16;
  const double dx = 3700.0 / 24;
  // The globes alone, drawn by the routine both discs use.
  RecordingCanvas left, right;
  GRAPH1::DrawSkyGlobe(left, {2000 - 6 * dx, 1500, r, 45, 7.5, 2.5});
  GRAPH1::DrawSkyGlobe(right, {2000 + 6 * dx, 1500, r, -45, 7.5, 2.5});
  auto leftEnds = GlobeEnds(left.Calls(), 2000 - 6 * dx, r);
  const auto rightEnds = GlobeEnds(right.Calls(), 2000 + 6 * dx, r);
  ASSERT_GT(rightEnds.size(), 1000u);
  for (auto& [x, y] : leftEnds) x = -x;
  std::sort(leftEnds.begin(), leftEnds.end());
  double worst = 0;
  for (const auto& [x, y] : leftEnds) {
    auto it = std::lower_bound(rightEnds.begin(), rightEnds.end(), std::pair{x - 0.01, -1e9});
    double best = 1e9;
    for (; it != rightEnds.end() && it->first <= x + 0.01; ++it)
      best = std::min(best, std::hypot(it->first - x, it->second - y));
    worst = std::max(worst, best);
  }
  EXPECT_LT(worst, 0.01) << "drawing units";
}

TEST(SkyGlobeTest, AzimuthFromTheSouthPositiveWest) {
  const auto deg = [](double rad) { return rad / kR; };
  auto at = GRAPH1::EquatorialToHorizontal(0, 90, 60);  // setting due west
  EXPECT_NEAR(deg(at.A), 90, 1e-9);
  EXPECT_NEAR(deg(at.h), 0, 1e-9);
  at = GRAPH1::EquatorialToHorizontal(0, -90, 60);
  EXPECT_NEAR(deg(at.A), -90, 1e-9);
  at = GRAPH1::EquatorialToHorizontal(0, 0.001, 60);  // on the meridian, due south
  EXPECT_NEAR(deg(at.A), 0, 1e-2);
  EXPECT_NEAR(deg(at.h), 30, 1e-6);
  at = GRAPH1::EquatorialToHorizontal(0, 150, 60);  // beyond the prime vertical: north-west
  EXPECT_GT(deg(at.A), 90);
  EXPECT_LT(deg(at.A), 180);
  at = GRAPH1::EquatorialToHorizontal(60.000001, 0.000001, 60);  // next to the zenith
  EXPECT_NEAR(deg(at.h), 90, 1e-4);
}

TEST(PlateDTest, CountsAndTellingPoints) {
  const CallList calls = *DrawPiece(GRAPH1::DrawPlateD, "45");
  int whiteDiscLines = 0, foregroundPoints = 0, texts = 0;
  std::vector<PointCall> pointsOutsideTheEmblem;
  for (const DrawCall& call : calls) {
    if (const auto* l = std::get_if<LineCall>(&call);
        l && l->colour == Colour::White && l->x1 == l->x2 && l->y1 >= 1500 && l->y2 <= 1500)
      ++whiteDiscLines;
    if (const auto* p = std::get_if<PointCall>(&call)) {
      ++foregroundPoints;
      if (p->y < 1800) pointsOutsideTheEmblem.push_back(*p);
    }
    texts += std::holds_alternative<TextCall>(call);
  }
  EXPECT_EQ(whiteDiscLines, 1810);
  EXPECT_EQ(foregroundPoints, 1 + 467 * 16);
  ASSERT_EQ(pointsOutsideTheEmblem.size(), 1u);
  EXPECT_EQ(pointsOutsideTheEmblem[0].x, 2000);
  EXPECT_NEAR(pointsOutsideTheEmblem[0].y, 716.5986, 1e-3);
  EXPECT_EQ(texts, 5);
  EXPECT_EQ(calls.back(), DrawCall(TextCall{1670, 2060, "ORBELAN", Colour::Yellow}));
  // The lattice: 25 x 25 passes of a horizontal and a vertical line, 24 x 24 pairs of diagonals.
  EXPECT_EQ(calls[4], DrawCall(LineCall{150, 595.406f, 3850, 595.406f, Colour::Foreground}));
  EXPECT_EQ(calls[5], DrawCall(LineCall{150, 595.406f, 150, 2404.594f, Colour::Foreground}));
  const auto& lastTab = std::get<LineCall>(calls[4 + 2402 + 5]);
  EXPECT_EQ(lastTab.y2, 2704.594f);
}

TEST(PlateDTest, EmblemStaysInItsBox) {
  const CallList calls = *DrawPiece(GRAPH1::DrawPlateD, "45");
  float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
  bool inEmblem = false;
  for (const DrawCall& call : calls) {
    if (const auto* l = std::get_if<LineCall>(&call);
        l && *l == LineCall{1565, 2030, 1820, 2030, Colour::Foreground}) {
      inEmblem = true;  // the cartouche's last line
      continue;
    }
    if (!inEmblem) continue;
    if (const auto* l = std::get_if<LineCall>(&call)) {
      minX = std::min({minX, l->x1, l->x2});
      maxX = std::max({maxX, l->x1, l->x2});
      minY = std::min({minY, l->y1, l->y2});
      maxY = std::max({maxY, l->y1, l->y2});
    }
  }
  // The unshifted box, and the copies swept 23.3 units up and to the left.
  EXPECT_NEAR(maxX, 1950 + (1 + std::sqrt(2.0)) * 70 - 5, 1e-3);
  EXPECT_NEAR(maxY, 2020, 1e-3);
  EXPECT_NEAR(minX, 1880 - 23.3, 1e-3);
  EXPECT_NEAR(minY, 1880 - 23.3, 1e-2);
}

TEST(PlateDTest, SameForEveryInput) {
  const auto reference = DrawPiece(GRAPH1::DrawPlateD, "45");
  for (const char* latitude : {"-90", "0", "90", "23,45"})
    EXPECT_EQ(DrawPiece(GRAPH1::DrawPlateD, latitude, "-15", true), reference) << latitude;
  EXPECT_FALSE(DrawPiece(GRAPH1::DrawPlateD, "45", "16"));
}

QImage ScreenImage(Procedure procedure) {
  QImage image(800, 600, QImage::Format_RGB32);
  image.fill(Qt::white);
  RasterCanvas canvas(image);
  Replay(*DrawPiece(procedure, "41,9"), canvas);
  return image;
}

TEST(PlatesScreenTest, TheLatticeHidesUnderTheBoxAndTheDiscs) {
  const QImage a = ScreenImage(GRAPH1::DrawPlateA);
  const double dx = 3700.0 / 24, dy = (2122.891 - 100) / 24;
  // Inside the latitude box, right of "NORD" and above the value: white.
  for (double x = 2000 + 1.45 * dx; x < 2000 + 1.95 * dx; x += 5)
    for (double y = 1500 + 9.1 * dy; y < 1500 + 9.45 * dy; y += 5)
      EXPECT_EQ(a.pixel(RasterCanvas::PixelOf(x, y)), 0xFFFFFFFFu) << x << "," << y;
  // Between two star points, near the outer circle: the grey disc.
  const double R = (1956.467 - 100) * 22 / 2 / 24;
  for (const double xc : {2000 - 6 * dx, 2000 + 6 * dx}) {
    const double x = xc + 0.96 * R * std::cos(11.25 * kR),
                 y = 1500 - 0.96 * R * std::sin(11.25 * kR);
    EXPECT_EQ(a.pixel(RasterCanvas::PixelOf(x, y)), 0xFFC0C0C0u);
  }
  // Plate D: inside the disc but below the globe's lines near the cartouche's
  // lower box, only white.
  const QImage d = ScreenImage(GRAPH1::DrawPlateD);
  for (double x = 2200; x < 2380; x += 5)
    for (double y = 2060; y < 2130; y += 5)
      EXPECT_EQ(d.pixel(RasterCanvas::PixelOf(x, y)), 0xFFFFFFFFu) << x << "," << y;
}

}  // namespace
