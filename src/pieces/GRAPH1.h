#pragma once

#include "drawing/DrawingTarget.h"
#include "drawing/InputPanel.h"

// The drawing module: one procedure per piece of the Quindal. Each reads and
// checks the inputs of the main window (`form1`), and on acceptance prepares
// the drawing window (`form2`) and draws its piece in one pass.
namespace GRAPH1 {

void DrawPlateA(InputPanel& form1, DrawingTarget& form2);
void DrawPlateB(InputPanel& form1, DrawingTarget& form2);
void DrawPlateC_Astronomical(InputPanel& form1, DrawingTarget& form2);
void DrawPlateC_Temporary(InputPanel& form1, DrawingTarget& form2);
void DrawPlateD(InputPanel& form1, DrawingTarget& form2);
void DrawBase(InputPanel& form1, DrawingTarget& form2);
void DrawInstructions(InputPanel& form1, DrawingTarget& form2);

}  // namespace GRAPH1
