#include "shell/Form2.h"

#include <QAction>
#include <QApplication>
#include <QWheelEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimeEdit>

#include "devices/WindowFont.h"
#include "drawing/DrawingUnits.h"
#include "drawing/Palette.h"
#include "shell/PrintAndSave.h"

void Form2::Live::Line(float x1, float y1, float x2, float y2, Colour c) {
  window_.raster_->DrawLine(x1, y1, x2, y2, c);
  window_.record_.DrawLine(x1, y1, x2, y2, c);
}

void Form2::Live::Point(float x, float y, Colour c) {
  window_.raster_->PlotPoint(x, y, c);
  window_.record_.PlotPoint(x, y, c);
}

void Form2::Live::Text(float x, float y, std::string_view text, Colour anchor) {
  window_.raster_->PlaceText(x, y, text, anchor);
  window_.record_.PlaceText(x, y, text, anchor);
}

Form2::Form2(WindowSession& session)
    : live_(*this), session_(session), menu_(this, session), notes_(this) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFont(WindowFont());
  // The window will cover the screen: the drawing is placed for that size
  // before the first call arrives.
  resize(PrimaryScreenSize());
  view_.SetWindow(QSizeF(PrimaryScreenSize()));
  Redraw();
  connect(menu_.print, &QAction::triggered, this, &Form2::PrintTrueScale);
  connect(menu_.save, &QAction::triggered, this, &Form2::SaveAs);
  connect(menu_.shadow, &QAction::triggered, this, &Form2::ToggleShadowBar);
  ShowHintOnce();
}

void Form2::Redraw() {
  const qreal ratio = isVisible() ? devicePixelRatioF() : PrimaryScreenRatio();
  const QSize pixels = (QSizeF(size()) * ratio).toSize();
  // The raster works in the image's own pixels: the ratio is given to the
  // painter of the window, not to the image.
  if (image_.size() != pixels) image_ = QImage(pixels, QImage::Format_RGB32);
  image_.fill(QColor::fromRgb(kWindowRgb));
  // Whole device pixels: at the exact image every line lands where the
  // pixel rule puts it, moved as a whole.
  const QPointF origin = view_.origin() * ratio;
  raster_ = std::make_unique<RasterCanvas>(
      image_, RasterView{ratio * view_.zoom(), QPoint(qRound(origin.x()), qRound(origin.y()))});
  record_.Replay(*raster_);
  setCursor(dragging_        ? Qt::ClosedHandCursor
            : view_.CanPan() ? Qt::OpenHandCursor
                             : Qt::ArrowCursor);
  update();
}

void Form2::ChangeView(const std::function<void(DrawingView&)>& change) {
  const QPointF originBefore = view_.origin();
  const double zoomBefore = view_.zoom();
  change(view_);
  if (view_.origin() != originBefore || view_.zoom() != zoomBefore) Redraw();
}

QPointF Form2::Pointer() const {
  // Keyboard zooms centre on the pointer when it is over the window.
  const QPoint at = mapFromGlobal(QCursor::pos());
  return rect().contains(at) ? QPointF(at) : QPointF(rect().center());
}

void Form2::ShowHintOnce() {
  // A borderless full-screen window says nothing of its menu: tell the user
  // once a run, without touching the picture.
  if (session_.hintShown) return;
  session_.hintShown = true;
  notes_.ShowHint();
}

void Form2::PlaceNotes() {
  // Above the shadow's bar when it is open.
  notes_.Place(shadowBar_ && shadowBar_->isVisible() ? shadowBar_->y() : height());
}

void Form2::SetPlate(const Piece& piece, const CheckedProject& project) {
  // A file cuts along the outline only when the window holds that one piece.
  cut_.reset();
  if (++piecesDrawn_ == 1 && piece.cut) cut_ = piece.cut(project.parameters);
  shown_ = piece.shadow;
  plate_.reset();
  if (shown_ != ShadowShown::None) plate_ = project;
  menu_.shadow->setVisible(plate_.has_value());
  if (shadowBar_ && plate_) shadowBar_->SetPlate(shown_ == ShadowShown::OnChart, *plate_);
  if (shadowBar_ && !plate_) shadowBar_->hide();
  update();
}

void Form2::ToggleShadowBar() {
  if (shadowBar_ && shadowBar_->isVisible()) {
    shadowBar_->hide();
    update();
    return;
  }
  if (!plate_) return;
  if (!shadowBar_) {
    shadowBar_ = new ShadowBar(this);
    connect(shadowBar_, &ShadowBar::changed, this, [this] {
      PlaceShadowBar();  // its sentence may take another line
      update();
    });
  }
  notes_.DropHint();
  shadowBar_->SetPlate(shown_ == ShadowShown::OnChart, *plate_);
  shadowBar_->show();
  PlaceShadowBar();
  shadowBar_->timeBox->setFocus();
  update();
}

void Form2::PlaceShadowBar() {
  // Along the bottom of the screen, however large the window.
  if (shadowBar_)
    shadowBar_->FitToBottom(rect().intersected(QRect(QPoint(0, 0), PrimaryScreenSize())));
}

void Form2::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  view_.SetWindow(QSizeF(size()));
  if (image_.size() != (QSizeF(size()) * devicePixelRatioF()).toSize()) Redraw();
  PlaceShadowBar();
  PlaceNotes();
}

void Form2::mousePressEvent(QMouseEvent* event) {
  notes_.DropHint();
  draggedBefore_ = dragged_;
  dragged_ = false;
  if (event->button() == Qt::LeftButton && view_.CanPan()) {
    dragging_ = true;
    dragFrom_ = event->position().toPoint();
    setCursor(Qt::ClosedHandCursor);
  }
  QWidget::mousePressEvent(event);
}

void Form2::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  const QPoint at = event->position().toPoint();
  if ((at - dragFrom_).manhattanLength() >= QApplication::startDragDistance()) dragged_ = true;
  if (!dragged_) return;
  const QPoint delta = at - dragFrom_;
  dragFrom_ = at;
  ChangeView([delta](DrawingView& v) { v.PanBy(delta); });
}

void Form2::mouseReleaseEvent(QMouseEvent* event) {
  if (dragging_ && event->button() == Qt::LeftButton) {
    dragging_ = false;
    setCursor(view_.CanPan() ? Qt::OpenHandCursor : Qt::ArrowCursor);
  }
  QWidget::mouseReleaseEvent(event);
}

void Form2::wheelEvent(QWheelEvent* event) {
  const QPoint notches = event->angleDelta();
  if (event->modifiers() & Qt::ControlModifier) {
    const QPointF at = event->position();
    if (notches.y() > 0) ChangeView([at](DrawingView& v) { v.StepIn(at); });
    if (notches.y() < 0) ChangeView([at](DrawingView& v) { v.StepOut(at); });
  } else {
    // The wheel scrolls a drawing larger than the screen; with Shift, across.
    const QPointF by = event->modifiers() & Qt::ShiftModifier ? QPointF(notches.y(), notches.x())
                                                              : QPointF(notches);
    ChangeView([by](DrawingView& v) { v.PanBy(by); });
  }
  event->accept();
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

void Form2::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (image_.size() != (QSizeF(size()) * devicePixelRatioF()).toSize()) Redraw();  // another screen
  QImage shown = image_;  // shares the pixels
  shown.setDevicePixelRatio(devicePixelRatioF());
  painter.drawImage(QPoint(0, 0), shown);
  if (shadowBar_) {
    // Over the image, never in it: the same mapping the raster used, whole
    // device pixels at the origin.
    const qreal ratio = devicePixelRatioF();
    const QPointF origin = view_.origin() * ratio;
    const double scale = view_.zoom();
    shadowBar_->Paint(painter, QTransform(scale * DrawingUnits::kPixelsAcross, 0, 0,
                                          scale * DrawingUnits::kPixelsDown,
                                          qRound(origin.x()) / ratio, qRound(origin.y()) / ratio));
  }
}

void Form2::mouseDoubleClickEvent(QMouseEvent*) {
  // Both presses of a double-click must be clicks: a drag then a press is not one.
  if (!draggedBefore_ && !dragged_) {
    close();
    return;
  }
  draggedBefore_ = dragged_ = false;  // the next double-click starts clean
}

void Form2::keyPressEvent(QKeyEvent* event) {
  notes_.DropHint();
  const int key = event->key();
  // A borderless full-screen window must not trap a user who has not read
  // the main window's note about the double-click.
  if (key == Qt::Key_Escape) {
    if (shadowBar_ && shadowBar_->isVisible()) {
      ToggleShadowBar();
    } else {
      close();
    }
    return;
  }
  // The menu from the keyboard, as everywhere else on the desktop.
  if (key == Qt::Key_Menu || (key == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
    const QPoint at = rect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, mapToGlobal(at));
    QCoreApplication::sendEvent(this, &menu);
    return;
  }
  const auto change = ViewChangeForKey(key, event->modifiers() & Qt::ControlModifier, Pointer(),
                                       QPointF(width() / 8.0, height() / 8.0));
  if (change) {
    ChangeView(change);
  } else {
    QWidget::keyPressEvent(event);
  }
}

void Form2::PrintTrueScale() {
  const QString sentTo =
      PrintWithDialog(this, session_.printer(), calls(), title_, session_.mirrored);
  if (sentTo.isEmpty()) return;
  notes_.ShowNote(Form2::tr("Stampa inviata: %1").arg(sentTo));
  PlaceNotes();
}

void Form2::SaveAs() { SaveWithDialog(this, calls(), title_, cut_ ? &*cut_ : nullptr); }

Canvas& Form2Slot::PrepareWindow(const QString& title) {
  if (!window_) window_ = new Form2(session_);
  window_->SetTitle(title);
  window_->ShowOverScreen();
  return window_->canvas();
}

void Form2Slot::Drew(const Piece& piece, const CheckedProject& project) {
  if (window_) window_->SetPlate(piece, project);
  if (drawn) drawn(project);
}
