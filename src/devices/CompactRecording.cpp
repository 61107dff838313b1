#include "devices/CompactRecording.h"

CompactRecording::CompactRecording() {
  // Room for the largest piece (plate A: 178,405 lines) from the start: no
  // copying while it draws. Untouched room costs no memory.
  order_.reserve(1 << 18);
  lines_.reserve(1 << 18);
}

void CompactRecording::Line(float x1, float y1, float x2, float y2, Colour c) {
  order_.push_back(kLine);
  lines_.push_back({x1, y1, x2, y2, c});
}

void CompactRecording::Point(float x, float y, Colour c) {
  order_.push_back(kPoint);
  points_.push_back({x, y, c});
}

void CompactRecording::Text(float x, float y, std::string_view text, Colour anchor) {
  order_.push_back(kText);
  texts_.push_back({x, y, anchor, std::string(text)});
}

void CompactRecording::Replay(Canvas& target) const {
  std::size_t line = 0, point = 0, text = 0;
  for (const Kind kind : order_) {
    switch (kind) {
      case kLine: {
        const LineRecord& l = lines_[line++];
        target.DrawLine(l.x1, l.y1, l.x2, l.y2, l.colour);
        break;
      }
      case kPoint: {
        const PointRecord& p = points_[point++];
        target.PlotPoint(p.x, p.y, p.colour);
        break;
      }
      case kText: {
        const TextRecord& t = texts_[text++];
        target.PlaceText(t.x, t.y, t.text, t.anchor);
        break;
      }
    }
  }
}

CallList CompactRecording::Calls() const {
  RecordingCanvas plain;
  Replay(plain);
  return plain.Calls();
}
