#include "devices/VisibleGeometry.h"

#include <boost/geometry.hpp>
#include <boost/geometry/index/rtree.hpp>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <utility>

#include "devices/Finite.h"
#include "devices/SweptCopies.h"

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;

namespace {

using Pt = bg::model::d2::point_xy<double>;
using Segment = bg::model::segment<Pt>;
using Polygon = bg::model::polygon<Pt>;
using Area = bg::model::multi_polygon<Polygon>;
using Box = bg::model::box<Pt>;
using Entry = std::pair<Box, std::size_t>;
using Index = bgi::rtree<Entry, bgi::linear<16>>;

// The greatest distance between a white line and the one before for both to
// paint one region.
constexpr double kRunGap = 2;

// How many lines of one colour a fill takes at least; fewer are kept as lines.
constexpr std::size_t kFillLines = 100;
// The farthest apart two lines side by side still fill the space between
// them on screen and paper: a screen pixel down, 5.3 units.
constexpr double kFillGap = 5.3;

struct Item {
  enum Kind { kLine, kPoint, kText, kFill } kind;
  Colour colour;
  std::vector<Segment> pieces;  // a line: what is left of it
  Pt at;                        // a point, or a text's top-left corner
  std::string text;
  bool alive = true;
  Area area = {};  // a fill: what is left of it

  Box Bounds() const {
    if (kind == kFill) return bg::return_envelope<Box>(area);
    if (kind != kLine) return Box(at, at);
    Box box = bg::return_envelope<Box>(pieces.front());
    for (const Segment& s : pieces) bg::expand(box, bg::return_envelope<Box>(s));
    return box;
  }
};

// The union of polygons, joined pairwise so that no union grows one piece
// at a time.
Area UnionOf(std::vector<Polygon> polygons) {
  std::vector<Area> parts;
  for (Polygon& polygon : polygons) parts.push_back(Area{std::move(polygon)});
  while (parts.size() > 1) {
    std::vector<Area> joined;
    for (std::size_t k = 0; k + 1 < parts.size(); k += 2) {
      Area both;
      bg::union_(parts[k], parts[k + 1], both);
      joined.push_back(std::move(both));
    }
    if (parts.size() % 2) joined.push_back(std::move(parts.back()));
    parts = std::move(joined);
  }
  return parts.empty() ? Area{} : std::move(parts.front());
}

// The area a figure's copies sweep, and the lines that swept along themselves.
std::vector<Item> SweptItems(const SweptFigure& figure) {
  std::vector<Polygon> parts;
  for (const auto& c : figure.parallelograms) {
    Polygon p;
    p.outer() = {Pt(c[0], c[1]), Pt(c[2], c[3]), Pt(c[4], c[5]), Pt(c[6], c[7]), Pt(c[0], c[1])};
    bg::correct(p);
    parts.push_back(std::move(p));
  }
  std::vector<Item> items;
  Area area = UnionOf(std::move(parts));
  if (!area.empty())
    items.push_back({Item::kFill, figure.colour, {}, {}, {}, true, std::move(area)});
  for (const auto& l : figure.lines)
    items.push_back(
        {Item::kLine, figure.colour, {Segment(Pt(l[0], l[1]), Pt(l[2], l[3]))}, {}, {}});
  return items;
}

// The region painted by a run of white lines: the union of the
// quadrilaterals between each line and the next. Lines are taken end to end
// in the direction that matches the line before, so a scan fill or a fan
// gives the union at once as one polygon, its first ends out and its second
// ends back; the outline is then straightened where it runs straight to
// within a hair (a box's edges, a fan's arc), so that what the region clips
// meets a handful of edges.
// Where the outline folds over itself, the quadrilaterals are joined one by
// one instead.
class Region {
 public:
  explicit Region(const std::vector<Segment>& run) {
    std::vector<Pt> first, second;
    for (const Segment& line : run) {
      Pt a = line.first, b = line.second;
      if (!first.empty() && bg::distance(a, first.back()) + bg::distance(b, second.back()) >
                                bg::distance(b, first.back()) + bg::distance(a, second.back())) {
        std::swap(a, b);
      }
      first.push_back(a);
      second.push_back(b);
    }
    Polygon outline;
    outline.outer().assign(first.begin(), first.end());
    outline.outer().insert(outline.outer().end(), second.rbegin(), second.rend());
    outline.outer().push_back(first.front());
    bg::unique(outline);
    bg::correct(outline);
    Polygon simple;
    bg::simplify(outline, simple, kStraight);
    if (bg::is_valid(simple)) {
      if (bg::area(simple) > 0) area_.push_back(std::move(simple));
    } else if (bg::is_valid(outline)) {
      if (bg::area(outline) > 0) area_.push_back(std::move(outline));
    } else {
      area_ = JoinedQuadrilaterals(first, second);
    }
    bounds_ = bg::return_envelope<Box>(area_);
    const auto addEdges = [this](const auto& ring) {
      for (std::size_t k = 0; k + 1 < ring.size(); ++k) {
        edges_.emplace_back(ring[k], ring[k + 1]);
        edgeIndex_.insert({bg::return_envelope<Box>(edges_.back()), edges_.size() - 1});
      }
    };
    for (const Polygon& polygon : area_) {
      addEdges(polygon.outer());
      for (const auto& hole : polygon.inners()) addEdges(hole);
    }
    if (edges_.size() <= kFewEdges) return;
    // A long outline: the quadrilaterals answer whether a point is covered.
    quads_ = Quadrilaterals(first, second);
    std::vector<Entry> boxes;
    for (std::size_t k = 0; k < quads_.size(); ++k)
      boxes.emplace_back(bg::return_envelope<Box>(quads_[k]), k);
    index_ = Index(boxes.begin(), boxes.end());  // packed at once
  }

  bool empty() const { return area_.empty(); }
  const Box& Bounds() const { return bounds_; }
  const Area& area() const { return area_; }
  // A small outline (a fan's triangle, a box) is asked directly; a long one
  // (a disc's) through the quadrilaterals, whose boxes then barely overlap.
  bool Covers(const Pt& p) const {
    if (edges_.size() <= kFewEdges) return bg::covered_by(p, area_);
    for (auto it = index_.qbegin(bgi::intersects(p)); it != index_.qend(); ++it)
      if (bg::covered_by(p, quads_[it->second])) return true;
    return false;
  }

  // What is left of `piece` outside the region: the piece is cut where it
  // crosses the region's outline, and each part is kept or dropped by
  // whether its middle lies in the region.
  std::vector<Segment> Outside(const Segment& piece) const {
    const Pt& a = piece.first;
    const double dx = piece.second.x() - a.x(), dy = piece.second.y() - a.y();
    const double length2 = dx * dx + dy * dy;
    const auto at = [&](double t) { return Pt(a.x() + t * dx, a.y() + t * dy); };
    std::vector<double> cuts{0, 1};
    if (length2 > 0) {
      for (auto it = edgeIndex_.qbegin(bgi::intersects(bg::return_envelope<Box>(piece)));
           it != edgeIndex_.qend(); ++it) {
        std::vector<Pt> crossings;
        bg::intersection(piece, edges_[it->second], crossings);
        for (const Pt& p : crossings)
          cuts.push_back(
              std::clamp(((p.x() - a.x()) * dx + (p.y() - a.y()) * dy) / length2, 0.0, 1.0));
      }
      std::sort(cuts.begin(), cuts.end());
    }
    std::vector<Segment> left;
    double keptFrom = -1;  // the start of the part being kept, if any
    for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
      const double t0 = cuts[k], t1 = cuts[k + 1];
      if (t1 - t0 < 1e-12 && length2 > 0) continue;
      const bool hidden = Covers(at((t0 + t1) / 2));
      if (!hidden && keptFrom < 0) keptFrom = t0;
      if (hidden && keptFrom >= 0) {
        left.emplace_back(at(keptFrom), at(t0));
        keptFrom = -1;
      }
    }
    if (keptFrom == 0) return {piece};  // untouched, ends exactly as they were
    if (keptFrom >= 0) left.emplace_back(at(keptFrom), piece.second);
    return left;
  }

 private:
  // How far the outline may be straightened, in drawing units (2.6
  // micrometres on the page, far below any cutter's kerf): a fan's arc of
  // 2,251 ends becomes a dozen edges.
  static constexpr double kStraight = 0.05;
  static constexpr std::size_t kFewEdges = 64;

  // The convex hull of each quadrilateral between a line and the next, but
  // those of no area.
  static std::vector<Polygon> Quadrilaterals(const std::vector<Pt>& first,
                                             const std::vector<Pt>& second) {
    std::vector<Polygon> quads;
    for (std::size_t k = 0; k + 1 < first.size(); ++k) {
      const bg::model::multi_point<Pt> corners{first[k], second[k], second[k + 1], first[k + 1]};
      Polygon hull;
      bg::convex_hull(corners, hull);
      if (bg::area(hull) > 0) quads.push_back(std::move(hull));
    }
    return quads;
  }

  static Area JoinedQuadrilaterals(const std::vector<Pt>& first, const std::vector<Pt>& second) {
    return UnionOf(Quadrilaterals(first, second));
  }

  Area area_;
  Box bounds_;
  std::vector<Polygon> quads_;  // each convex, for a long outline only
  Index index_;
  std::vector<Segment> edges_;  // of the union's outline
  Index edgeIndex_;
};

class Painter {
 public:
  void Add(Item item) { Place(Reserve(), std::move(item)); }

  // A place in the drawing's order for an item not known yet, and the item
  // put there once it is.
  std::size_t Reserve() {
    items_.push_back({Item::kPoint, Colour::Foreground, {}, {}, {}, false});
    return items_.size() - 1;
  }
  void Place(std::size_t slot, Item item) {
    items_[slot] = std::move(item);
    tree_.insert({items_[slot].Bounds(), slot});
  }

  // Removes or clips whatever lies under `region`.
  void Erase(const Region& region) {
    if (region.empty()) return;
    std::vector<Entry> under;
    tree_.query(bgi::intersects(region.Bounds()), std::back_inserter(under));
    // An item that lost some of itself is indexed afresh, or dropped when
    // nothing is left.
    const auto changed = [this](const Entry& entry, Item& item, bool nothingLeft) {
      tree_.remove(entry);
      if (nothingLeft) {
        item.alive = false;
      } else {
        tree_.insert({item.Bounds(), entry.second});
      }
    };
    for (const Entry& entry : under) {
      Item& item = items_[entry.second];
      if (item.kind == Item::kFill) {
        Area left;
        bg::difference(item.area, region.area(), left);
        item.area = std::move(left);
        changed(entry, item, item.area.empty());
        continue;
      }
      if (item.kind != Item::kLine) {
        if (region.Covers(item.at)) {
          item.alive = false;
          tree_.remove(entry);
        }
        continue;
      }
      std::vector<Segment> left;
      for (const Segment& piece : item.pieces) {
        const std::vector<Segment> outside = region.Outside(piece);
        left.insert(left.end(), outside.begin(), outside.end());
      }
      if (left.size() == item.pieces.size() &&
          std::equal(left.begin(), left.end(), item.pieces.begin(),
                     [](const Segment& x, const Segment& y) {
                       return bg::equals(x.first, y.first) && bg::equals(x.second, y.second);
                     })) {
        continue;  // untouched
      }
      item.pieces = std::move(left);
      changed(entry, item, item.pieces.empty());
    }
  }

  VisibleDrawing Result() const {
    VisibleDrawing drawing;
    // A line drawn again over itself is seen once, and must be cut or
    // engraved once: plate A's lattice draws each of its lines 25 times,
    // plate C redraws its borders on every row. The last of them is kept,
    // the one that lies over whatever was drawn in between.
    using Key = std::tuple<double, double, double, double, Colour>;
    const auto keyOf = [](const Segment& s, Colour colour) {
      std::pair<double, double> from(s.first.x(), s.first.y()), to(s.second.x(), s.second.y());
      if (to < from) std::swap(from, to);
      return Key(from.first, from.second, to.first, to.second, colour);
    };
    std::map<Key, std::pair<std::size_t, std::size_t>> last;  // item, piece
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (!items_[i].alive || items_[i].kind != Item::kLine) continue;
      for (std::size_t k = 0; k < items_[i].pieces.size(); ++k)
        last[keyOf(items_[i].pieces[k], items_[i].colour)] = {i, k};
    }
    for (std::size_t i = 0; i < items_.size(); ++i) {
      const Item& item = items_[i];
      if (!item.alive) continue;
      switch (item.kind) {
        case Item::kLine:
          for (std::size_t k = 0; k < item.pieces.size(); ++k) {
            const Segment& s = item.pieces[k];
            if (last.at(keyOf(s, item.colour)) != std::pair(i, k)) continue;
            drawing.lines.push_back(
                {s.first.x(), s.first.y(), s.second.x(), s.second.y(), item.colour});
          }
          break;
        case Item::kPoint: drawing.points.push_back({item.at.x(), item.at.y(), item.colour}); break;
        case Item::kText: drawing.texts.push_back({item.at.x(), item.at.y(), item.text}); break;
        case Item::kFill: {
          VisibleFill fill{{}, item.colour, drawing.lines.size()};
          const auto loop = [&fill](const auto& ring) {
            auto& corners = fill.loops.emplace_back();
            for (std::size_t k = 0; k + 1 < ring.size(); ++k)
              corners.emplace_back(ring[k].x(), ring[k].y());
          };
          for (const Polygon& polygon : item.area) {
            loop(polygon.outer());
            for (const auto& hole : polygon.inners()) loop(hole);
          }
          drawing.fills.push_back(std::move(fill));
          break;
        }
      }
    }
    return drawing;
  }

 private:
  std::vector<Item> items_;
  Index tree_;
};

}  // namespace

// Whether `next` goes on filling the area of the run of lines before it:
// a ray from the same tip, or a line beside the last one, parallel to it
// and no more than a screen pixel away (collinear pieces of one line fill
// nothing).
bool FillsOn(const std::vector<Segment>& run, const Segment& next) {
  if (run.empty()) return true;
  const Segment& last = run.back();
  if (bg::equals(last.first, next.first) && !bg::equals(next.first, next.second)) return true;
  const double ux = last.second.x() - last.first.x(), uy = last.second.y() - last.first.y();
  const double vx = next.second.x() - next.first.x(), vy = next.second.y() - next.first.y();
  const double lu = std::hypot(ux, uy), lv = std::hypot(vx, vy);
  if (lu == 0 || lv == 0 || std::fabs(ux * vy - uy * vx) > 1e-6 * lu * lv) return false;
  const double beside =
      std::fabs((next.first.x() - last.first.x()) * uy - (next.first.y() - last.first.y()) * ux) /
      lu;
  return beside > 0.1 && beside <= kFillGap && bg::distance(last, next) <= kFillGap;
}

namespace {

// Lines that may be filling an area, one run a colour, kept until it is
// known: lines of other colours may come between (plate C redraws its
// borders between the grey lines of each row). Each run keeps its place in
// the drawing's order.
struct PendingFill {
  std::vector<Segment> lines;
  std::size_t slot = 0;
};

// Swept copies are painted as their area, in the place of their first line;
// the points of their copies (from the first copy's start on) that lie in it
// or on its lines, to a float's rounding, are painted by it.
class SweptPainting {
 public:
  explicit SweptPainting(const CallList& calls)
      : figures_(SweptFigures(calls)), by_(calls.size(), figures_.size()) {
    for (std::size_t f = 0; f < figures_.size(); ++f) {
      for (std::size_t i : figures_[f].calls) by_[i] = f;
      items_.push_back(SweptItems(figures_[f]));
      const std::vector<Item>& items = items_.back();
      areas_.push_back(!items.empty() && items[0].kind == Item::kFill ? items[0].area : Area{});
    }
  }
  // Whether call `i` belongs to a swept figure.
  bool Swept(std::size_t i) const { return by_[i] < figures_.size(); }
  // Whether call `i` is the first of its figure, where the figure is painted.
  bool First(std::size_t i) const { return i == figures_[by_[i]].firstCall; }
  std::vector<Item> Take(std::size_t i) { return std::move(items_[by_[i]]); }
  bool Covers(std::size_t i, const PointCall& point) const {
    const Pt p(point.x, point.y);
    for (std::size_t f = 0; f < figures_.size(); ++f) {
      const SweptFigure& figure = figures_[f];
      if (figure.colour != point.colour || i + figure.period <= figure.firstCall ||
          i >= figure.lastCall)
        continue;
      if (!areas_[f].empty() && bg::distance(p, areas_[f]) <= 1e-3) return true;
      for (const auto& l : figure.lines)
        if (bg::distance(p, Segment(Pt(l[0], l[1]), Pt(l[2], l[3]))) <= 1e-3) return true;
    }
    return false;
  }

 private:
  std::vector<SweptFigure> figures_;
  std::vector<std::size_t> by_;  // the figure of each call, or figures_.size()
  std::vector<std::vector<Item>> items_;
  std::vector<Area> areas_;
};

// What a drawing shows, call by call: white runs erase, runs of lines fill,
// points and words are painted where they stand.
class VisibleBuilder {
 public:
  explicit VisibleBuilder(const CallList& calls) : swept_(calls) {}

  void Add(std::size_t i, const DrawCall& call) {
    if (swept_.Swept(i)) {
      if (!swept_.First(i)) return;
      FinishAll();
      for (Item& item : swept_.Take(i)) painter_.Add(std::move(item));
    } else if (const auto* line = std::get_if<LineCall>(&call)) {
      AddLine(*line);
    } else if (const auto* point = std::get_if<PointCall>(&call)) {
      if (Finite(point->x, point->y) && swept_.Covers(i, *point)) return;
      FinishAll();
      if (point->colour != Colour::White && Finite(point->x, point->y))
        painter_.Add({Item::kPoint, point->colour, {}, Pt(point->x, point->y), {}});
    } else if (const auto* text = std::get_if<TextCall>(&call)) {
      FinishAll();
      if (!Finite(text->x, text->y)) return;
      if (text->anchor != Colour::White)
        painter_.Add({Item::kPoint, text->anchor, {}, Pt(text->x, text->y), {}});
      painter_.Add({Item::kText, Colour::Foreground, {}, Pt(text->x, text->y), text->text});
    }
  }

  VisibleDrawing Result() {
    FinishAll();
    return painter_.Result();
  }

 private:
  void AddLine(const LineCall& line) {
    if (!Finite(line.x1, line.y1) || !Finite(line.x2, line.y2)) return;
    const Segment segment(Pt(line.x1, line.y1), Pt(line.x2, line.y2));
    if (line.colour == Colour::White) {
      FinishFills();
      if (!run_.empty() && bg::distance(run_.back(), segment) > kRunGap) FinishRun();
      run_.push_back(segment);
      return;
    }
    FinishRun();
    PendingFill& fill = fills_[line.colour];
    if (!FillsOn(fill.lines, segment)) FinishFill(line.colour, fill);
    if (fill.lines.empty()) fill.slot = painter_.Reserve();
    fill.lines.push_back(segment);
  }
  void FinishRun() {
    if (run_.size() > 1) painter_.Erase(Region(run_));
    run_.clear();
  }
  void FinishFill(Colour colour, PendingFill& fill) {
    if (fill.lines.empty()) return;
    Item item{Item::kLine, colour, fill.lines, {}, {}};
    if (fill.lines.size() >= kFillLines) {
      const Region region(fill.lines);
      if (!region.empty()) item = {Item::kFill, colour, {}, {}, {}, true, region.area()};
    }
    painter_.Place(fill.slot, std::move(item));
    fill.lines.clear();
  }
  void FinishFills() {
    for (auto& [colour, fill] : fills_) FinishFill(colour, fill);
  }
  void FinishAll() {
    FinishFills();
    FinishRun();
  }

  Painter painter_;
  std::vector<Segment> run_;
  std::map<Colour, PendingFill> fills_;
  SweptPainting swept_;
};

}  // namespace

VisibleDrawing Visible(const CallList& calls) {
  VisibleBuilder builder(calls);
  for (std::size_t i = 0; i < calls.size(); ++i) builder.Add(i, calls[i]);
  return builder.Result();
}
