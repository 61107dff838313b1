#pragma once

#include <initializer_list>

#include "drawing/Canvas.h"
#include "drawing/PieceCut.h"

namespace GRAPH1 {

// The trapezoidal tab of a plate: it leaves the plate's edge at x = 100 and
// 3900 and narrows by 50 units on each side to its far edge, which goes into
// the slot of the base or of the next plate.
struct Tab {
  double edgeY;  // the plate's edge the tab leaves from
  double farY;   // the tab's far edge
};

// The sides of a tab, each with the corner it is drawn from. The order and
// direction of the strokes decide the screen's pixels, so each plate keeps
// its own.
enum class TabSide {
  LeftOut,   // from the plate's edge out to the far edge, on the left
  LeftIn,    // the same side, drawn from the far edge in
  Far,       // the far edge, left to right
  RightOut,  // from the plate's edge out to the far edge, on the right
};

void DrawTab(Canvas& canvas, const Tab& tab, std::initializer_list<TabSide> strokes);

// The outline of a plate from x = 100 to 3900 and from `top` to `bottom`,
// with a tab above and one below where given, and a fold where each tab
// meets the plate.
PieceCut TabbedPlateCut(double top, double bottom, const Tab* above, const Tab* below);

}  // namespace GRAPH1
