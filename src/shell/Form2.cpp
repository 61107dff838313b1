#include "Form2.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "Palette.h"
#include "WindowFont.h"

Form2::Form2() {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("Grafico del quindal con quadro inclinato  ( di Orbelan )"));
  setFont(WindowFont());

  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize size = screen ? screen->geometry().size() : QSize(800, 600);
  image_ = QImage(size, QImage::Format_RGB32);
  image_.fill(QColor::fromRgb(kWindowRgb));
  canvas_ = std::make_unique<RasterCanvas>(image_);
}

void Form2::ShowOverScreen() {
  // A bare X server without a window manager would leave a merely maximised
  // frameless window at its default size: give it the screen outright.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
  showFullScreen();
  raise();
  activateWindow();
  update();  // painted once the drawing has returned to the event loop
}

void Form2::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor::fromRgb(kWindowRgb));
  painter.drawImage(QPoint(0, 0), image_);
  Q_UNUSED(event);
}

void Form2::mouseDoubleClickEvent(QMouseEvent* event) {
  Q_UNUSED(event);
  close();
}

Canvas& Form2Slot::PrepareWindow() {
  if (!window_) window_ = new Form2;
  window_->ShowOverScreen();
  return window_->canvas();
}
