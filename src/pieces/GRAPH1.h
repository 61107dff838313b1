#pragma once

#include "pieces/DrawingTarget.h"
#include "project/InputPanel.h"
#include "pieces/PieceBodies.h"

// The drawing module of the main window: one procedure per piece. Each reads
// and checks the inputs of `form1`, and on acceptance prepares the drawing
// window `form2`, named after the sheet and the site, and draws its piece
// there.
namespace GRAPH1 {

void DrawPlateA(InputPanel& form1, DrawingTarget& form2);
void DrawPlateB(InputPanel& form1, DrawingTarget& form2);
void DrawPlateC_Astronomical(InputPanel& form1, DrawingTarget& form2);
void DrawPlateC_Temporary(InputPanel& form1, DrawingTarget& form2);
void DrawPlateD(InputPanel& form1, DrawingTarget& form2);
void DrawBase(InputPanel& form1, DrawingTarget& form2);
void DrawInstructions(InputPanel& form1, DrawingTarget& form2);

}  // namespace GRAPH1
