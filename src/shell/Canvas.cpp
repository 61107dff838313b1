#include "Canvas.h"

#include "NumberText.h"

void Canvas::PlaceText(float x, float y, long long number, Colour anchor) {
  PlaceText(x, y, WholeNumberText(number), anchor);
}
