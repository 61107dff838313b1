#pragma once

#include "drawing/Canvas.h"

class InputPanel;

// Where an accepted drawing goes: the drawing window, or a stand-in for it.
class DrawingTarget {
 public:
  virtual ~DrawingTarget() = default;
  // Creates the drawing surface if it is absent (an existing one is kept,
  // picture included), gives it the coordinate system of drawing units, shows
  // it, and returns the canvas to draw on.
  virtual Canvas& PrepareWindow() = 0;
};

// A drawing procedure: reads and checks the inputs of the main window
// (`form1`), and on acceptance prepares the drawing window (`form2`) and
// draws its piece in one pass.
using Procedure = void (*)(InputPanel& form1, DrawingTarget& form2);
