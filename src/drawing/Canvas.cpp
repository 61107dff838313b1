#include "drawing/Canvas.h"

#include "drawing/NumberText.h"

void Canvas::PlaceText(float x, float y, long long number, Colour anchor) {
  Text(x, y, WholeNumberText(number), anchor);
}
