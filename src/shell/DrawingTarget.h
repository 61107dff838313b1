#pragma once

#include "Canvas.h"

// Where an accepted drawing goes: the drawing window, or a stand-in for it.
class DrawingTarget {
 public:
  virtual ~DrawingTarget() = default;
  // Creates the drawing surface if it is absent (an existing one is kept,
  // picture included), gives it the coordinate system of drawing units, shows
  // it, and returns the canvas to draw on.
  virtual Canvas& PrepareWindow() = 0;
};
