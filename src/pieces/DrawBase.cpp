#include "AngleConstants.h"
#include "GRAPH1.h"

namespace GRAPH1 {

void DrawBase(InputPanel& form1, DrawingTarget& form2) {
  const auto parameters = RunPreamble(form1);
  if (!parameters) return;
  form2.PrepareWindow();
  ComputeAngleConstants();
}

}  // namespace GRAPH1
