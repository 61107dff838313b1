#pragma once

#include <QString>

#include "drawing/Canvas.h"
#include "project/InputPanel.h"
#include "project/ProjectCheck.h"

struct Piece;

// Where an accepted drawing goes: the drawing window, or a stand-in for it.
class DrawingTarget {
 public:
  virtual ~DrawingTarget() = default;
  // Creates the drawing surface if it is absent (an existing one is kept,
  // picture included), gives it the coordinate system of drawing units and
  // `title`, the name its prints and files carry, shows it, and returns the
  // canvas to draw on.
  virtual Canvas& PrepareWindow(const QString& title) = 0;
  // Told once `piece` is drawn, with the project it was drawn for.
  virtual void Drew(const Piece& piece, const CheckedProject& project) {
    (void)piece, (void)project;
  }
};

// A drawing procedure: reads and checks the inputs of the main window
// (`form1`), and on acceptance prepares the drawing window (`form2`) and
// draws its piece in one pass.
using Procedure = void (*)(InputPanel& form1, DrawingTarget& form2);
