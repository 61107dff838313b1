#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "devices/RecordingCanvas.h"
#include "drawing/Canvas.h"

// The drawing window's record: every call in order, kept compactly (lines and
// points in flat arrays of floats and colours, texts apart, one byte of order
// a call), so that keeping it costs the window little while plate A draws its
// 178,405 lines. It replays call for call, and gives the plain list of calls
// when printing, saving or a test wants it.
class CompactRecording final : public Canvas {
 public:
  CompactRecording();

  // Draws every call onto `target`, in order.
  void Replay(Canvas& target) const;
  // The same calls as a plain list.
  CallList Calls() const;
  std::size_t size() const { return order_.size(); }

 protected:
  void Line(float x1, float y1, float x2, float y2, Colour c) override;
  void Point(float x, float y, Colour c) override;
  void Text(float x, float y, std::string_view text, Colour anchor) override;

 private:
  enum Kind : std::uint8_t { kLine, kPoint, kText };
  struct LineRecord {
    float x1, y1, x2, y2;
    Colour colour;
  };
  struct PointRecord {
    float x, y;
    Colour colour;
  };
  struct TextRecord {
    float x, y;
    Colour anchor;
    std::string text;
  };

  std::vector<Kind> order_;
  std::vector<LineRecord> lines_;
  std::vector<PointRecord> points_;
  std::vector<TextRecord> texts_;
};
