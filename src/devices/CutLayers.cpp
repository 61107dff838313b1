#include "devices/CutLayers.h"

#include <algorithm>
#include <cmath>

namespace {

// How far a point lies from a segment, in drawing units.
double DistanceTo(double x, double y, const CutSegment& s) {
  const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
  const double length2 = dx * dx + dy * dy;
  const double t =
      length2 > 0 ? std::clamp(((x - s.a.x) * dx + (y - s.a.y) * dy) / length2, 0.0, 1.0) : 0.0;
  return std::hypot(x - (s.a.x + t * dx), y - (s.a.y + t * dy));
}

}  // namespace

const char* LineLayerOf(Colour c) {
  switch (c) {
    case Colour::LightGrey: return "grigio";
    case Colour::Yellow: return "giallo";
    case Colour::DarkYellow: return "oliva";
    case Colour::White:  // never written
    case Colour::Foreground: break;
  }
  return "incisione";
}

const char* FillLayerOf(Colour c) { return c == Colour::Foreground ? "nero" : LineLayerOf(c); }

std::vector<CutSegment> CutLines(const PieceCut& cut) {
  std::vector<CutSegment> lines = cut.folds;
  for (std::size_t k = 0; k < cut.outline.size(); ++k)
    lines.push_back({cut.outline[k], cut.outline[(k + 1) % cut.outline.size()]});
  return lines;
}

bool OnCutLine(const VisibleLine& l, const std::vector<CutSegment>& cutLines) {
  constexpr double kSame = 0.01;  // the calls' single precision
  return std::any_of(cutLines.begin(), cutLines.end(), [&](const CutSegment& s) {
    return DistanceTo(l.x1, l.y1, s) < kSame && DistanceTo(l.x2, l.y2, s) < kSame;
  });
}
