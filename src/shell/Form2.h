#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "DrawingTarget.h"
#include "RasterCanvas.h"

// The drawing window: borderless, over the whole screen, showing an image of
// the screen's size that the drawings paint into. The picture is kept in the
// image, so it survives being covered; a double-click closes the window.
class Form2 final : public QWidget {
  Q_OBJECT

 public:
  Form2();

  Canvas& canvas() { return *canvas_; }
  const QImage& image() const { return image_; }

  // Covers the screen, shows the window and brings it to the front.
  void ShowOverScreen();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QImage image_;
  std::unique_ptr<RasterCanvas> canvas_;
};

// The one drawing window of the program: created on first use, destroyed when
// closed, recreated blank on the next use.
class Form2Slot final : public DrawingTarget {
 public:
  Canvas& PrepareWindow() override;
  Form2* window() const { return window_; }

 private:
  QPointer<Form2> window_;
};
