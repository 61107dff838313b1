#include "pieces/Tab.h"

namespace GRAPH1 {

void DrawTab(Canvas& c, const Tab& tab, std::initializer_list<TabSide> strokes) {
  constexpr double kEdgeLeft = 100, kEdgeRight = 3900;  // the plate's side edges
  constexpr double kFarLeft = 150, kFarRight = 3850;    // 50 units in
  for (const TabSide side : strokes) {
    switch (side) {
      case TabSide::LeftOut: c.DrawLine(kEdgeLeft, tab.edgeY, kFarLeft, tab.farY); break;
      case TabSide::LeftIn: c.DrawLine(kFarLeft, tab.farY, kEdgeLeft, tab.edgeY); break;
      case TabSide::Far: c.DrawLine(kFarLeft, tab.farY, kFarRight, tab.farY); break;
      case TabSide::RightOut: c.DrawLine(kEdgeRight, tab.edgeY, kFarRight, tab.farY); break;
    }
  }
}

}  // namespace GRAPH1
