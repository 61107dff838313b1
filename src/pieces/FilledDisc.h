#pragma once

#include "drawing/Canvas.h"
#include "drawing/Palette.h"

namespace GRAPH1 {

// A disc of radius `radius` centred on (xc, yc), filled with vertical lines
// one drawing unit apart in `colour`, from the left edge to the right.
void DrawFilledDisc(Canvas& canvas, double xc, double yc, double radius, Colour colour);

}  // namespace GRAPH1
