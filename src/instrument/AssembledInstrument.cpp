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

// How a piece stands: the point of its sheet on the middle line across at
// row `anchorY` stands at `at`; the sheet's top points `up`; it reads left to
// right from the front when `printedInFront`, else from behind; each tab
// points away from its fold as given.
struct Stance {
  double anchorY;
  Vector3 at, up;
  bool printedInFront;
  Vector3 tabAbove = {}, tabBelow = {};
};

PlacedPiece Place(const Piece& piece, const DrawingParameters& parameters, const Stance& s) {
  PlacedPiece placed{&piece, piece.cut(parameters), {}};
  const double middle = (kPlateLeft + kPlateRight) / 2;
  SheetFrame plate;
  plate.across = {s.printedInFront ? kMillimetresAcross : -kMillimetresAcross, 0, 0};
  plate.down = -s.up * kMillimetresDown;
  plate.origin = s.at - plate.across * middle - plate.down * s.anchorY;
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

double TopOf(const PieceCut& cut) {
  return std::min_element(cut.outline.begin(), cut.outline.end(),
                          [](CutPoint a, CutPoint b) { return a.y < b.y; })
      ->y;
}

// The point on the middle line of a placed piece's sheet at row `y`.
Vector3 MiddleAt(const PlacedPiece& piece, double y) {
  return piece.Plate().At({(kPlateLeft + kPlateRight) / 2, y});
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
  const auto piece = [](std::string_view name) -> const Piece& { return *PieceNamed(name); };
  const auto folds = [&](std::string_view name) { return FoldsOf(piece(name).cut(parameters)); };
  Instrument instrument;
  std::vector<PlacedPiece>& placed = instrument.pieces;
  // The base flat, read from the front; its back edge under plate D at z = 0.
  const PieceCut base = piece("base").cut(parameters);
  placed.push_back(Place(piece("base"), parameters, {TopOf(base), {}, kBack, true}));
  // D upright on the back edge, its drawing outward; D1 under C, D2 on the base.
  const Vector3 plateC = -RisingBack(kPlateInclinationDeg);
  placed.push_back(
      Place(piece("D"), parameters, {*folds("D").below, {}, kUp, false, plateC, kForward}));
  // C from the top of D down to the base, the dial up toward the Sun; C1 back.
  const PieceCut c = piece("C").cut(parameters);
  placed.push_back(Place(piece("C"), parameters,
                         {TopOf(c),
                          MiddleAt(placed[1], *folds("D").above),
                          RisingBack(kPlateInclinationDeg),
                          true,
                          {},
                          kBack}));
  // B upright on the base at C's lower edge, its chart toward the dial; B1 forward.
  const Vector3 cFoot = MiddleAt(placed[2], *folds("C").below);
  placed.push_back(Place(piece("B"), parameters,
                         {*folds("B").below, {0, 0, cFoot.z}, kUp, false, {}, kForward}));
  // A from the top of B down to the base; A1 down B's front, A2 back on the base.
  const Vector3 bTop = MiddleAt(placed[3], TopOf(piece("B").cut(parameters)));
  placed.push_back(
      Place(piece("A"), parameters,
            {*folds("A").above, bTop, RisingBack(kPlateAAngleDeg), true, kDown, kBack}));
  return instrument;
}
