#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "drawing/Canvas.h"

// One primitive call, exactly as the drawing made it.
struct LineCall {
  float x1, y1, x2, y2;
  Colour colour;
  bool operator==(const LineCall&) const = default;
};
struct PointCall {
  float x, y;
  Colour colour;
  bool operator==(const PointCall&) const = default;
};
struct TextCall {
  float x, y;
  std::string text;
  Colour anchor;
  bool operator==(const TextCall&) const = default;
};
using DrawCall = std::variant<LineCall, PointCall, TextCall>;
using CallList = std::vector<DrawCall>;

// Keeps the list of calls, in order, so that a drawing can be compared call
// for call or replayed onto any other device.
class RecordingCanvas final : public Canvas {
 public:
  const CallList& Calls() const { return calls_; }
  void Clear() { calls_.clear(); }

 protected:
  void Line(float x1, float y1, float x2, float y2, Colour c) override;
  void Point(float x, float y, Colour c) override;
  void Text(float x, float y, std::string_view text, Colour anchor) override;

 private:
  CallList calls_;
};

// Draws every call of `calls` onto `target`, in order.
void Replay(const CallList& calls, Canvas& target);

// Sends every call to two canvases, so that a window can show a drawing and
// keep its record at the same time.
class TeeCanvas final : public Canvas {
 public:
  TeeCanvas(Canvas& first, Canvas& second) : first_(first), second_(second) {}

 protected:
  void Line(float x1, float y1, float x2, float y2, Colour c) override {
    first_.DrawLine(x1, y1, x2, y2, c);
    second_.DrawLine(x1, y1, x2, y2, c);
  }
  void Point(float x, float y, Colour c) override {
    first_.PlotPoint(x, y, c);
    second_.PlotPoint(x, y, c);
  }
  void Text(float x, float y, std::string_view text, Colour anchor) override {
    first_.PlaceText(x, y, text, anchor);
    second_.PlaceText(x, y, text, anchor);
  }

 private:
  Canvas& first_;
  Canvas& second_;
};
