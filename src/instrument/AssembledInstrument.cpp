#include "instrument/AssembledInstrument.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <stdexcept>

#include "drawing/AngleConstants.h"
#include "drawing/DrawingUnits.h"
#include "pieces/Pieces.h"
#include "solar/InstrumentFrame.h"

namespace {

using DrawingUnits::kMillimetresAcross;
using DrawingUnits::kMillimetresDown;

constexpr double kEndless = std::numeric_limits<double>::infinity();
const Vector3 kUp{0, 1, 0}, kDown{0, -1, 0}, kForward{0, 0, 1}, kBack{0, 0, -1};

// The direction that rises at `degrees` from the base going back, toward D.
Vector3 RisingBack(double degrees) {
  const double r = degrees * GRAPH1::RadPerDeg;
  return {0, std::sin(r), -std::cos(r)};
}

// The rows of a piece's folds: the one above its plate and the one below,
// where it has them. Every fold runs across the sheet.
struct Folds {
  std::optional<double> above, below;
};
Folds FoldsOf(const PieceCut& cut) {
  const auto [top, bottom] = std::minmax_element(cut.outline.begin(), cut.outline.end(),
                                                 [](CutPoint a, CutPoint b) { return a.y < b.y; });
  Folds folds;
  for (const CutSegment& fold : cut.folds)
    (fold.a.y - top->y < bottom->y - fold.a.y ? folds.above : folds.below) = fold.a.y;
  return folds;
}

// The corners of a convex outline from row `from` to row `to`, in order: a
// fold joins two corners, so the part on one side of it is these.
std::vector<CutPoint> Between(const std::vector<CutPoint>& outline, double from, double to) {
  std::vector<CutPoint> part;
  std::copy_if(outline.begin(), outline.end(), std::back_inserter(part),
               [&](CutPoint p) { return p.y >= from && p.y <= to; });
  return part;
}

// A tab folded along the row `foldY` of `plate`, its sheet running from the
// fold in the direction `away`.
SheetFrame TabFrame(const SheetFrame& plate, double foldY, Vector3 away, bool aboveTheFold) {
  SheetFrame tab{{}, plate.across, away * (aboveTheFold ? -kMillimetresDown : kMillimetresDown)};
  tab.origin = plate.origin + plate.down * foldY - tab.down * foldY;
  return tab;
}

double TopOf(const PieceCut& cut) {
  return std::min_element(cut.outline.begin(), cut.outline.end(),
                          [](CutPoint a, CutPoint b) { return a.y < b.y; })
      ->y;
}
double UpperFold(const PieceCut& cut) { return *FoldsOf(cut).above; }
double LowerFold(const PieceCut& cut) { return *FoldsOf(cut).below; }

constexpr double kMiddle = (kPlateLeft + kPlateRight) / 2;  // the sheets' middle line across

// How a piece stands: the point of its sheet on the middle line across at
// the row `anchor` finds stands at `at`; the sheet's top points `up`; it
// reads left to right from the front when `printedInFront`, else from
// behind; each tab points away from its fold as given.
struct Stance {
  double (*anchor)(const PieceCut&);
  Vector3 at, up;
  bool printedInFront;
  Vector3 tabAbove = {}, tabBelow = {};
};

PlacedPiece Place(const Piece& piece, const DrawingParameters& parameters, const Stance& s) {
  PlacedPiece placed{&piece, piece.cut(parameters), {}};
  SheetFrame plate;
  plate.across = {s.printedInFront ? kMillimetresAcross : -kMillimetresAcross, 0, 0};
  plate.down = -s.up * kMillimetresDown;
  plate.origin = s.at - plate.across * kMiddle - plate.down * s.anchor(placed.cut);
  const Folds folds = FoldsOf(placed.cut);
  const std::vector<CutPoint>& outline = placed.cut.outline;
  placed.parts.push_back(
      {Between(outline, folds.above.value_or(-kEndless), folds.below.value_or(kEndless)), plate});
  if (folds.above)
    placed.parts.push_back({Between(outline, -kEndless, *folds.above),
                            TabFrame(plate, *folds.above, s.tabAbove, true)});
  if (folds.below)
    placed.parts.push_back({Between(outline, *folds.below, kEndless),
                            TabFrame(plate, *folds.below, s.tabBelow, false)});
  return placed;
}

// The point on the middle line of a placed piece's sheet at the row `row` finds.
Vector3 MiddleAt(const PlacedPiece& piece, double (*row)(const PieceCut&)) {
  return piece.Plate().At({kMiddle, row(piece.cut)});
}

}  // namespace

std::vector<Vector3> PlacedPart::Corners() const {
  std::vector<Vector3> corners;
  for (const CutPoint& p : outline) corners.push_back(frame.At(p));
  return corners;
}

std::vector<Vector3> PlacedPiece::Outline() const {
  std::vector<Vector3> corners;
  for (const CutPoint& p : cut.outline) {
    const auto holds = [&](const PlacedPart& part) {
      return std::any_of(part.outline.begin(), part.outline.end(),
                         [&](CutPoint q) { return q.x == p.x && q.y == p.y; });
    };
    corners.push_back(std::find_if(parts.begin(), parts.end(), holds)->frame.At(p));
  }
  return corners;
}

const PlacedPiece& Instrument::Named(std::string_view name) const {
  for (const PlacedPiece& placed : pieces)
    if (placed.piece->name == name) return placed;
  throw std::logic_error("the instrument has no piece " + std::string(name));
}

Instrument AssembleInstrument(const DrawingParameters& parameters) {
  const auto place = [&](std::string_view name, const Stance& stance) {
    return Place(*PieceNamed(name), parameters, stance);
  };
  Instrument instrument;
  std::vector<PlacedPiece>& placed = instrument.pieces;
  // The base flat, read from the front; its back edge under plate D at z = 0.
  placed.push_back(place("base", {TopOf, {}, kBack, true}));
  // D upright on the back edge, its drawing outward; D1 under C, D2 on the base.
  const Vector3 underC = -RisingBack(kPlateInclinationDeg);
  placed.push_back(place("D", {LowerFold, {}, kUp, false, underC, kForward}));
  // C from the top of D down to the base, the dial up toward the Sun; C1 back.
  placed.push_back(place(
      "C",
      {TopOf, MiddleAt(placed[1], UpperFold), RisingBack(kPlateInclinationDeg), true, {}, kBack}));
  // B upright on the base at C's lower edge, its chart toward the dial; B1 forward.
  const Vector3 cFoot = MiddleAt(placed[2], LowerFold);
  placed.push_back(place("B", {LowerFold, {0, 0, cFoot.z}, kUp, false, {}, kForward}));
  // A from the top of B down to the base; A1 down B's front, A2 back on the base.
  placed.push_back(place("A", {UpperFold, MiddleAt(placed[3], TopOf), RisingBack(kPlateAAngleDeg),
                               true, kDown, kBack}));
  return instrument;
}
