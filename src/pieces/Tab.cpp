#include "pieces/Tab.h"

#include "solar/InstrumentFrame.h"

namespace GRAPH1 {

namespace {

constexpr double kEdgeLeft = kPlateLeft, kEdgeRight = kPlateRight;  // the plate's side edges
constexpr double kFarLeft = 150, kFarRight = 3850;                  // 50 units in

}  // namespace

void DrawTab(Canvas& c, const Tab& tab, std::initializer_list<TabSide> strokes) {
  for (const TabSide side : strokes) {
    switch (side) {
      case TabSide::LeftOut: c.DrawLine(kEdgeLeft, tab.edgeY, kFarLeft, tab.farY); break;
      case TabSide::LeftIn: c.DrawLine(kFarLeft, tab.farY, kEdgeLeft, tab.edgeY); break;
      case TabSide::Far: c.DrawLine(kFarLeft, tab.farY, kFarRight, tab.farY); break;
      case TabSide::RightOut: c.DrawLine(kEdgeRight, tab.edgeY, kFarRight, tab.farY); break;
    }
  }
}

PieceCut TabbedPlateCut(double top, double bottom, const Tab* above, const Tab* below) {
  // Clockwise on the screen: along the top, down the right side, back along
  // the bottom.
  PieceCut cut;
  cut.outline.push_back({kEdgeLeft, top});
  if (above) {
    cut.outline.insert(cut.outline.end(),
                       {{kFarLeft, above->farY}, {kFarRight, above->farY}, {kEdgeRight, top}});
    cut.folds.push_back({{kEdgeLeft, top}, {kEdgeRight, top}});
  } else {
    cut.outline.push_back({kEdgeRight, top});
  }
  cut.outline.push_back({kEdgeRight, bottom});
  if (below) {
    cut.outline.insert(cut.outline.end(), {{kFarRight, below->farY}, {kFarLeft, below->farY}});
    cut.folds.push_back({{kEdgeLeft, bottom}, {kEdgeRight, bottom}});
  }
  cut.outline.push_back({kEdgeLeft, bottom});
  return cut;
}

}  // namespace GRAPH1
