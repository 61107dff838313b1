// Where each piece is cut and folded, against what the piece draws: the
// outline is one closed simple path made of the piece's own lines, holds
// everything the piece draws, and leaves out the letters set beside it; a
// fold is a drawn line between two of its corners.
#include <gtest/gtest.h>

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>
#include <algorithm>
#include <variant>

#include "piece_recorder.h"

namespace {

namespace bg = boost::geometry;
using Point = bg::model::d2::point_xy<double>;
using Polygon = bg::model::polygon<Point>;
using Segment = bg::model::segment<Point>;

// Drawing calls are single-precision floats: a hundredth of a unit apart is the same point.
constexpr double kSame = 0.01;

Point At(CutPoint p) { return {p.x, p.y}; }

// Whether segment a-b lies on one of the drawn lines.
bool OnADrawnLine(CutPoint a, CutPoint b, const std::vector<Segment>& drawn) {
  for (const Segment& line : drawn)
    if (bg::distance(At(a), line) < kSame && bg::distance(At(b), line) < kSame) return true;
  return false;
}

TEST(PieceCutTest, OutlinesAndFoldsAreThePiecesOwnLines) {
  struct Input {
    const char *latitude, *longitude;
    bool decadi;
  };
  for (const Input& input :
       {Input{"45", "0", false}, Input{"-33,25", "7,5", true}, Input{"66", "-15", true}}) {
    for (const Piece& piece : kPieces) {
      for (const HourSystem hours : {HourSystem::Astronomical, HourSystem::Temporary}) {
        if (hours == HourSystem::Temporary && !piece.temporaryDrawing.body) continue;
        SCOPED_TRACE(std::string(piece.name) + " at " + input.latitude);
        if (!piece.cut) {
          EXPECT_EQ(piece.name, "istruzioni") << "every piece but the assembly sheet is cut";
          continue;
        }
        const auto calls =
            DrawPiece(piece.DrawingFor(hours), input.latitude, input.longitude, input.decadi);
        ASSERT_TRUE(calls);
        const PieceCut cut = piece.cut({});

        std::vector<Segment> drawn;
        std::vector<Point> inked;
        for (const DrawCall& call : *calls) {
          if (const auto* l = std::get_if<LineCall>(&call); l && l->colour != Colour::White) {
            drawn.push_back({{l->x1, l->y1}, {l->x2, l->y2}});
            inked.insert(inked.end(), {{l->x1, l->y1}, {l->x2, l->y2}});
          }
          if (const auto* p = std::get_if<PointCall>(&call); p && p->colour != Colour::White)
            inked.push_back({p->x, p->y});
        }

        Polygon outline;
        for (const CutPoint& p : cut.outline) bg::append(outline.outer(), At(p));
        bg::correct(outline);  // closes the ring, in the library's own orientation
        std::string why;
        EXPECT_TRUE(bg::is_valid(outline, why)) << why;
        EXPECT_TRUE(bg::is_simple(outline));
        const std::size_t n = cut.outline.size();
        ASSERT_GE(n, 4u);
        for (std::size_t k = 0; k < n; ++k)
          EXPECT_TRUE(OnADrawnLine(cut.outline[k], cut.outline[(k + 1) % n], drawn))
              << "edge " << k;

        for (const CutSegment& fold : cut.folds) {
          EXPECT_TRUE(OnADrawnLine(fold.a, fold.b, drawn));
          for (const CutPoint end : {fold.a, fold.b})
            EXPECT_LT(bg::distance(At(end), outline.outer()), kSame)
                << "a fold ends on the outline";
          // Between a plate and its tab, never along the outline's edge.
          EXPECT_TRUE(
              bg::within(Point((fold.a.x + fold.b.x) / 2, (fold.a.y + fold.b.y) / 2), outline))
              << "a fold lies inside the outline";
        }
        // The lower tab hangs from the plate's bottom edge: its fold is
        // level, and the outline reaches below it only by the tab.
        if (!cut.folds.empty()) {
          const CutSegment lowest = *std::max_element(
              cut.folds.begin(), cut.folds.end(),
              [](const CutSegment& a, const CutSegment& b) { return a.a.y < b.a.y; });
          EXPECT_NEAR(lowest.a.y, lowest.b.y, kSame);
          const auto [left, right] = std::minmax(lowest.a.x, lowest.b.x);
          for (const CutPoint& p : cut.outline) {
            if (p.y > lowest.a.y + kSame) {
              EXPECT_TRUE(p.x >= left - kSame && p.x <= right + kSame)
                  << "below the bottom edge only the tab: " << p.x << ", " << p.y;
            }
          }
        }

        int outside = 0;
        for (const Point& p : inked) outside += bg::distance(p, outline) >= kSame;
        EXPECT_EQ(outside, 0);
        for (const DrawCall& call : *calls) {
          const auto* t = std::get_if<TextCall>(&call);
          if (t && (t->x < 100 || t->x > 3900)) {
            EXPECT_FALSE(bg::within(Point(t->x, t->y), outline)) << t->text;
          }
        }
      }
    }
  }
  // The folds: one for plates B and C, two for A and D, none for the base.
  const auto folds = [](const char* name) { return PieceNamed(name)->cut({}).folds.size(); };
  EXPECT_EQ(folds("A"), 2u);
  EXPECT_EQ(folds("B"), 1u);
  EXPECT_EQ(folds("C"), 1u);
  EXPECT_EQ(folds("D"), 2u);
  EXPECT_EQ(folds("base"), 0u);
}

}  // namespace
