// The instrument glued together: where each piece stands, checked against
// what plate C's dial assumes, and the shadow traced through it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "drawing/AngleConstants.h"
#include "drawing/DrawingUnits.h"
#include "instrument/AssembledInstrument.h"
#include "pieces/Pieces.h"
#include "solar/PlateGeometry.h"

namespace {

constexpr double kMm = 0.05;  // what the tests allow, millimetres
constexpr double kMiddle = (kPlateLeft + kPlateRight) / 2;

Vector3 PlateAt(const Instrument& instrument, std::string_view name, double y) {
  return instrument.Named(name).Plate().At({kMiddle, y});
}

double TopRow(const PlacedPiece& piece) {
  const auto& outline = piece.parts.front().outline;
  return std::min_element(outline.begin(), outline.end(),
                          [](CutPoint a, CutPoint b) { return a.y < b.y; })
      ->y;
}

TEST(InstrumentTest, EachPlateStandsOnTheBaseAtItsAngleFacingItsWay) {
  const Instrument instrument = AssembleInstrument({});
  const Vector3 kDownward{0, -1, 0}, kUnderC{0, M_SQRT1_2, M_SQRT1_2}, kOntoB{0, 0, -1};
  // Each tab is glued by its printed side: onto the base, under C, on B's front.
  const struct {
    const char* name;
    double degrees;             // to the base
    Vector3 printed;            // where its drawing faces
    std::vector<Vector3> tabs;  // where each tab's printed side faces
  } kPlates[] = {
      {"base", 0, {0, 1, 0}, {}},
      {"D", 90, {0, 0, -1}, {kUnderC, kDownward}},                   // outward, at the back
      {"C", 45, {0, M_SQRT1_2, M_SQRT1_2}, {kDownward}},             // up toward the Sun
      {"B", 90, {0, 0, -1}, {kDownward}},                            // toward the dial
      {"A", 60, {0, 0.5, std::sin(M_PI / 3)}, {kOntoB, kDownward}},  // outward, in front
  };
  const Vector3 dialTop = PlateAt(instrument, "C", kPlateTop);
  const SheetFrame& c = instrument.Named("C").Plate();
  const double bFace = PlateAt(instrument, "B", kPlateTop).z;
  ASSERT_EQ(instrument.pieces.size(), std::size(kPlates));
  for (std::size_t k = 0; k < std::size(kPlates); ++k) {
    SCOPED_TRACE(kPlates[k].name);
    const PlacedPiece& piece = instrument.pieces[k];
    EXPECT_EQ(piece.piece->name, kPlates[k].name);  // in the order they are glued
    const std::vector<Vector3> corners = piece.parts.front().Corners();
    const auto low = std::min_element(corners.begin(), corners.end(),
                                      [](Vector3 a, Vector3 b) { return a.y < b.y; });
    EXPECT_NEAR(low->y, 0, kMm);  // its foot on the base
    const Vector3 up = piece.Plate().down * -1;
    EXPECT_NEAR(std::atan2(up.y, std::hypot(up.x, up.z)) * GRAPH1::DegPerRad, kPlates[k].degrees,
                1e-9);
    EXPECT_NEAR(Length(piece.Plate().PrintedSide() - kPlates[k].printed), 0, 1e-12);
    ASSERT_EQ(piece.parts.size(), kPlates[k].tabs.size() + 1);
    for (std::size_t t = 1; t < piece.parts.size(); ++t) {
      const Vector3 glued = kPlates[k].tabs[t - 1];
      EXPECT_NEAR(Length(piece.parts[t].frame.PrintedSide() - glued), 0, 1e-12) << "tab " << t;
      for (const Vector3& corner : piece.parts[t].Corners()) {  // flat on what it is glued to
        const double off = glued.y == -1   ? corner.y
                           : glued.z == -1 ? corner.z - bFace
                                           : Dot(corner - dialTop, c.PrintedSide());
        EXPECT_NEAR(off, 0, kMm) << "tab " << t;
      }
    }
  }
  // C rests on the top of D; A on the top of B.
  const PlacedPiece& d = instrument.Named("D");
  const Vector3 dTop = d.Plate().At({kMiddle, TopRow(d)});
  EXPECT_NEAR(Length(PlateAt(instrument, "C", kSheetTop) - dTop), 0, kMm);
  const Vector3 bTop = PlateAt(instrument, "B", TopRow(instrument.Named("B")));
  EXPECT_NEAR(Length(PlateAt(instrument, "A", TopRow(instrument.Named("A"))) - bTop), 0, kMm);
}

// Plate B's top edge is the point the dial's geometry measures from: level
// with the dial's top edge, right above plate C's lower edge, ShadowBase
// (1838.4776 units down, 91.81 mm) in front of the dial's top edge.
TEST(InstrumentTest, PlateBsTopEdgeIsWhereTheDialExpectsIt) {
  const Instrument instrument = AssembleInstrument({});
  const Vector3 bTop = PlateAt(instrument, "B", TopRow(instrument.Named("B")));
  const Vector3 dialTop = PlateAt(instrument, "C", kPlateTop);
  const Vector3 cLower = PlateAt(instrument, "C", kPlateBottom);
  const PlateGeometry plate(kPlateInclinationDeg, GRAPH1::RadPerDeg);
  EXPECT_NEAR(plate.ShadowBase, 1838.4776, 1e-4);
  EXPECT_NEAR(bTop.y, dialTop.y, kMm);
  EXPECT_NEAR(bTop.z - dialTop.z, DrawingUnits::MillimetresDown(plate.ShadowBase), kMm);
  EXPECT_NEAR(bTop.z - dialTop.z, 91.81, 0.005);
  EXPECT_NEAR(bTop.z, cLower.z, kMm);
  EXPECT_NEAR(cLower.y, 0, kMm);
}

// A Sun at altitude h in front of the instrument: the shadow of B's top
// edge, traced through the model, meets plate C as far below the dial's top
// edge as ShadowPoint puts it, at every altitude.
TEST(InstrumentTest, TheShadowOfBsTopEdgeFallsWhereShadowPointPutsIt) {
  const Instrument instrument = AssembleInstrument({});
  const SheetFrame& c = instrument.Named("C").Plate();
  const Vector3 edge = PlateAt(instrument, "B", TopRow(instrument.Named("B")));
  const Vector3 dialTop = PlateAt(instrument, "C", kPlateTop);
  const Vector3 normal = c.PrintedSide(), downThePlate = Unit(c.down);
  const PlateGeometry plate(kPlateInclinationDeg, GRAPH1::RadPerDeg);
  for (int h = 1; h <= 89; ++h) {
    SCOPED_TRACE(h);
    const double r = h * GRAPH1::RadPerDeg;
    const Vector3 ray{0, -std::sin(r), -std::cos(r)};  // from the Sun, through the edge
    const double along = Dot(dialTop - edge, normal) / Dot(ray, normal);
    const Vector3 shadow = edge + ray * along;
    // On the equator at noon of a day whose declination is 0 the Sun stands 90 - latitude high.
    const Shadow expected = ShadowPoint(90 - h, 0, 0, 0, plate);
    EXPECT_NEAR(expected.h, r, 1e-12);
    EXPECT_NEAR(Dot(shadow - dialTop, downThePlate),
                DrawingUnits::MillimetresDown(expected.y - kPlateTop), kMm);
    EXPECT_NEAR(Dot(shadow - dialTop, normal), 0, 1e-9);
  }
}

}  // namespace
