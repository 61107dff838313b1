#pragma once

#include <QPointF>
#include <QSize>
#include <QSizeF>
#include <functional>

#include "drawing/DrawingUnits.h"

// Where the drawing sits in its window and how large: the zoom (1 is the
// exact image, one drawing pixel to one logical pixel) and the point of the
// window, in logical pixels, where the drawing's origin lands. A drawing
// smaller than the window along an axis is centred along it; a larger one
// can be moved until its edge meets the window's, and no further, so that
// every part of it can be brought into view.
class DrawingView {
 public:
  static constexpr double kMinZoom = 0.25;
  static constexpr double kMaxZoom = 8;

  explicit DrawingView(QSizeF drawing = {DrawingUnits::kScreenPixelsWide,
                                         DrawingUnits::kScreenPixelsHigh})
      : drawing_(drawing) {}

  double zoom() const { return zoom_; }
  QPointF origin() const { return origin_; }
  // The drawing's size in the window at this zoom.
  QSizeF shown() const { return drawing_ * zoom_; }
  // Whether some of the drawing lies outside the window.
  bool CanPan() const;

  void SetWindow(QSizeF window);
  // The zoom, clamped, keeping the drawing's point under `at` where it is.
  void ZoomAt(double zoom, QPointF at);
  // The next zoom of the usual steps (25 % ... 800 %), larger or smaller.
  void StepIn(QPointF at);
  void StepOut(QPointF at);
  // The exact image, placed as at first.
  void Reset();
  // The whole drawing, as large as the window holds it.
  void Fit();
  void PanBy(QPointF delta);

 private:
  QSizeF drawing_;
  QSizeF window_{DrawingUnits::kScreenPixelsWide, DrawingUnits::kScreenPixelsHigh};
  double zoom_ = 1;
  QPointF origin_{0, 0};

  void Place();
};

// What a key does to the view, with the pointer `at` and an arrow's `step`:
// Ctrl++ and Ctrl+- zoom, Ctrl+0 the exact image, F or Ctrl+9 fit, the
// arrows show more of the drawing on their side. Empty for any other key.
std::function<void(DrawingView&)> ViewChangeForKey(int key, bool ctrl, QPointF at, QPointF step);

// The primary screen's size and pixel ratio; without a screen, the size the
// drawings are made for.
QSize PrimaryScreenSize();
qreal PrimaryScreenRatio();
