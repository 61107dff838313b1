#include "shell/DrawingView.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <array>

namespace {

constexpr std::array kSteps = {0.25, 1 / 3.0, 0.5, 2 / 3.0, 1.0, 1.5, 2.0, 3.0, 4.0, 6.0, 8.0};

// Along one axis: centred when it fits, else kept from leaving a gap.
double PlaceAlong(double origin, double shown, double window) {
  if (shown <= window) return (window - shown) / 2;
  return std::clamp(origin, window - shown, 0.0);
}

}  // namespace

bool DrawingView::CanPan() const {
  const QSizeF s = shown();
  return s.width() > window_.width() || s.height() > window_.height();
}

void DrawingView::SetWindow(QSizeF window) {
  window_ = window;
  Place();
}

void DrawingView::Place() {
  const QSizeF s = shown();
  origin_ = {PlaceAlong(origin_.x(), s.width(), window_.width()),
             PlaceAlong(origin_.y(), s.height(), window_.height())};
}

void DrawingView::ZoomAt(double zoom, QPointF at) {
  zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
  origin_ = at - (at - origin_) * (zoom / zoom_);
  zoom_ = zoom;
  Place();
}

void DrawingView::StepIn(QPointF at) {
  const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), zoom_ * (1 + 1e-9));
  if (next != kSteps.end()) ZoomAt(*next, at);
}

void DrawingView::StepOut(QPointF at) {
  const auto next = std::lower_bound(kSteps.begin(), kSteps.end(), zoom_ * (1 - 1e-9));
  if (next != kSteps.begin()) ZoomAt(*(next - 1), at);
}

void DrawingView::Reset() {
  zoom_ = 1;
  origin_ = {0, 0};
  Place();
}

void DrawingView::Fit() {
  zoom_ =
      std::clamp(std::min(window_.width() / drawing_.width(), window_.height() / drawing_.height()),
                 kMinZoom, kMaxZoom);
  Place();
}

void DrawingView::PanBy(QPointF delta) {
  origin_ += delta;
  Place();
}

std::function<void(DrawingView&)> ViewChangeForKey(int key, bool ctrl, QPointF at, QPointF step) {
  if (ctrl && (key == Qt::Key_Plus || key == Qt::Key_Equal))
    return [at](DrawingView& v) { v.StepIn(at); };
  if (ctrl && key == Qt::Key_Minus) return [at](DrawingView& v) { v.StepOut(at); };
  if (ctrl && key == Qt::Key_0) return [](DrawingView& v) { v.Reset(); };
  if ((key == Qt::Key_F && !ctrl) || (ctrl && key == Qt::Key_9))
    return [](DrawingView& v) { v.Fit(); };
  const QPointF by(key == Qt::Key_Left    ? step.x()
                   : key == Qt::Key_Right ? -step.x()
                                          : 0,
                   key == Qt::Key_Up     ? step.y()
                   : key == Qt::Key_Down ? -step.y()
                                         : 0);
  if (by.isNull()) return {};
  return [by](DrawingView& v) { v.PanBy(by); };
}

QSize PrimaryScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size()
                : QSize(DrawingUnits::kScreenPixelsWide, DrawingUnits::kScreenPixelsHigh);
}

qreal PrimaryScreenRatio() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->devicePixelRatio() : 1;
}
