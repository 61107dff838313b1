#include "devices/SweptCopies.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "devices/Finite.h"

namespace {

constexpr std::size_t kLeastCopies = 100;
constexpr double kLargestStep = 0.1;
// How far two copies of a line may differ in shape, and a copy lie from
// where the step puts it: the calls carry floats, a few ten-thousandths of
// a unit apart at the drawing's coordinates.
constexpr double kSlack = 1e-3;

// The copies of one line found so far.
struct Chain {
  Colour colour;
  std::vector<std::size_t> calls;
  double x1, y1, x2, y2;        // the first copy
  double lastX, lastY;          // the last copy's start
  double stepX = 0, stepY = 0;  // known from the second copy on
};

SweptFigure FigureOf(const Chain& chain) {
  const double sx = chain.lastX - chain.x1, sy = chain.lastY - chain.y1;  // the whole shift
  SweptFigure figure{chain.colour,
                     chain.calls.front(),
                     chain.calls.back(),
                     chain.calls[1] - chain.calls[0],
                     chain.calls,
                     {},
                     {}};
  const double ux = chain.x2 - chain.x1, uy = chain.y2 - chain.y1;
  const double length = std::hypot(ux, uy), shift = std::hypot(sx, sy);
  if (std::fabs(ux * sy - uy * sx) > 1e-9 * std::max(length * shift, 1e-12)) {
    figure.parallelograms.push_back({chain.x1, chain.y1, chain.x2, chain.y2, chain.x2 + sx,
                                     chain.y2 + sy, chain.x1 + sx, chain.y1 + sy});
    return figure;
  }
  // Along itself: the line from the farthest back to the farthest on.
  const double dx = length > 0 ? ux / length : sx / shift,
               dy = length > 0 ? uy / length : sy / shift;
  const double ends[] = {0, length, dx * sx + dy * sy, length + dx * sx + dy * sy};
  const auto [low, high] = std::minmax_element(std::begin(ends), std::end(ends));
  figure.lines.push_back(
      {chain.x1 + *low * dx, chain.y1 + *low * dy, chain.x1 + *high * dx, chain.y1 + *high * dy});
  return figure;
}

}  // namespace

std::vector<SweptFigure> SweptFigures(const CallList& calls) {
  // One open chain a line's shape: its colour and its vector. A copy either
  // goes on the chain of its shape or starts it anew. Shapes are filed by
  // their vector to a hundredth of a unit; a copy looks in the cells next
  // to its own as well, for a shape a float's rounding filed across.
  using Cell = std::tuple<Colour, long long, long long>;
  std::vector<Chain> chains;
  std::map<Cell, std::size_t> open;
  std::vector<SweptFigure> found;
  for (std::size_t i = 0; i < calls.size(); ++i) {
    const auto* line = std::get_if<LineCall>(&calls[i]);
    if (!line || line->colour == Colour::White) continue;
    if (!Finite(line->x1, line->y1) || !Finite(line->x2, line->y2)) continue;
    const double ux = line->x2 - line->x1, uy = line->y2 - line->y1;
    const long long cx = std::llround(ux * 100), cy = std::llround(uy * 100);
    auto same = open.end();
    for (long long ax = cx - 1; ax <= cx + 1 && same == open.end(); ++ax)
      for (long long ay = cy - 1; ay <= cy + 1 && same == open.end(); ++ay) {
        const auto it = open.find({line->colour, ax, ay});
        if (it == open.end()) continue;
        const Chain& c = chains[it->second];
        if (std::fabs(c.x2 - c.x1 - ux) <= kSlack && std::fabs(c.y2 - c.y1 - uy) <= kSlack)
          same = it;
      }
    if (same != open.end()) {
      Chain& chain = chains[same->second];
      const double dx = line->x1 - chain.lastX, dy = line->y1 - chain.lastY;
      bool goesOn;
      if (chain.calls.size() == 1) {
        const double step = std::hypot(dx, dy);
        goesOn = step > kSlack && step <= kLargestStep;
        if (goesOn) chain.stepX = dx, chain.stepY = dy;
      } else {
        goesOn = std::hypot(dx - chain.stepX, dy - chain.stepY) <= kSlack;
      }
      if (goesOn) {
        chain.calls.push_back(i);
        chain.lastX = line->x1;
        chain.lastY = line->y1;
        continue;
      }
      if (chain.calls.size() >= kLeastCopies) found.push_back(FigureOf(chain));
      open.erase(same);
    }
    open[{line->colour, cx, cy}] = chains.size();
    chains.push_back(
        {line->colour, {i}, line->x1, line->y1, line->x2, line->y2, line->x1, line->y1});
  }
  for (const auto& [cell, k] : open)
    if (chains[k].calls.size() >= kLeastCopies) found.push_back(FigureOf(chains[k]));

  // The sweeps of one colour whose calls interleave make one figure.
  std::sort(found.begin(), found.end(),
            [](const SweptFigure& a, const SweptFigure& b) { return a.firstCall < b.firstCall; });
  std::vector<SweptFigure> figures;
  for (SweptFigure& sweep : found) {
    auto joined = std::find_if(figures.begin(), figures.end(), [&](const SweptFigure& f) {
      return f.colour == sweep.colour && sweep.firstCall <= f.lastCall;
    });
    if (joined == figures.end()) {
      figures.push_back(std::move(sweep));
      continue;
    }
    joined->lastCall = std::max(joined->lastCall, sweep.lastCall);
    joined->calls.insert(joined->calls.end(), sweep.calls.begin(), sweep.calls.end());
    joined->parallelograms.insert(joined->parallelograms.end(), sweep.parallelograms.begin(),
                                  sweep.parallelograms.end());
    joined->lines.insert(joined->lines.end(), sweep.lines.begin(), sweep.lines.end());
  }
  for (SweptFigure& figure : figures) std::sort(figure.calls.begin(), figure.calls.end());
  return figures;
}
