#include "devices/RecordingCanvas.h"

void RecordingCanvas::Line(float x1, float y1, float x2, float y2, Colour c) {
  calls_.push_back(LineCall{x1, y1, x2, y2, c});
}

void RecordingCanvas::Point(float x, float y, Colour c) { calls_.push_back(PointCall{x, y, c}); }

void RecordingCanvas::Text(float x, float y, std::string_view text, Colour anchor) {
  calls_.push_back(TextCall{x, y, std::string(text), anchor});
}

void Replay(const CallList& calls, Canvas& target) {
  for (const DrawCall& call : calls) {
    if (const auto* line = std::get_if<LineCall>(&call)) {
      target.DrawLine(line->x1, line->y1, line->x2, line->y2, line->colour);
    } else if (const auto* point = std::get_if<PointCall>(&call)) {
      target.PlotPoint(point->x, point->y, point->colour);
    } else {
      const auto& text = std::get<TextCall>(call);
      target.PlaceText(text.x, text.y, text.text, text.anchor);
    }
  }
}
