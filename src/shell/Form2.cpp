#include "shell/Form2.h"

#include <QAction>
#include <QApplication>
#include <QWheelEvent>
#include <QContextMenuEvent>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPropertyAnimation>
#include <QTimeEdit>
#include <QTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "devices/WindowFont.h"
#include "drawing/DrawingUnits.h"
#include "drawing/Palette.h"
#include "pieces/Pieces.h"
#include "shell/CalibrationDialog.h"
#include "shell/PrintAndSave.h"

namespace {

QSize ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size()
                : QSize(DrawingUnits::kScreenPixelsWide, DrawingUnits::kScreenPixelsHigh);
}

qreal ScreenPixelRatio() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->devicePixelRatio() : 1;
}

}  // namespace

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

Form2::Form2(WindowSession& session) : live_(*this), session_(session) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("Grafico del quindal con quadro inclinato  ( di Orbelan )"));
  setFont(WindowFont());
  // The window will cover the screen: the drawing is placed for that size
  // before the first call arrives.
  resize(ScreenSize());
  view_.SetWindow(QSizeF(ScreenSize()));
  Redraw();

  printAction_ = new QAction(QStringLiteral("Stampa in scala reale..."), this);
  printAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(printAction_, &QAction::triggered, this, &Form2::PrintTrueScale);
  saveAction_ = new QAction(QStringLiteral("Salva come..."), this);
  saveAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  connect(saveAction_, &QAction::triggered, this, &Form2::SaveAs);
  shadowAction_ = new QAction(QStringLiteral("Simula l'ombra"), this);
  shadowAction_->setShortcut(QKeySequence(Qt::Key_O));
  shadowAction_->setVisible(false);
  connect(shadowAction_, &QAction::triggered, this, &Form2::ToggleShadowBar);
  mirrorAction_ = new QAction(QStringLiteral("Stampa speculare"), this);
  mirrorAction_->setCheckable(true);
  mirrorAction_->setChecked(session_.mirrored);
  connect(mirrorAction_, &QAction::toggled, this, [this](bool on) { session_.mirrored = on; });
  calibrateAction_ = new QAction(QStringLiteral("Calibra la stampante..."), this);
  connect(calibrateAction_, &QAction::triggered, this,
          [this] { CalibrateWithDialogs(this, session_.printer()); });
  addAction(printAction_);
  addAction(saveAction_);
  addAction(mirrorAction_);
  addAction(calibrateAction_);
  addAction(shadowAction_);
  setContextMenuPolicy(Qt::ActionsContextMenu);  // a right click opens the menu
  ShowHintOnce();
}

void Form2::Redraw() {
  const qreal ratio = isVisible() ? devicePixelRatioF() : ScreenPixelRatio();
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

namespace {

// A line of words over the picture, never in it, at the window's bottom
// right: it fades after `showMs` and is gone.
QLabel* TransientLine(QWidget* window, const QString& words, int showMs) {
  auto* line = new QLabel(words, window);
  line->setStyleSheet(
      QStringLiteral("QLabel { background: rgba(40, 40, 40, 200); color: white; padding: 6px 10px; "
                     "border-radius: 4px; }"));
  line->setAttribute(Qt::WA_TransparentForMouseEvents);
  line->adjustSize();
  auto* opacity = new QGraphicsOpacityEffect(line);
  line->setGraphicsEffect(opacity);
  auto* fade = new QPropertyAnimation(opacity, "opacity", line);
  fade->setStartValue(1.0);
  fade->setEndValue(0.0);
  fade->setDuration(1500);
  QObject::connect(fade, &QPropertyAnimation::finished, line, &QObject::deleteLater);
  QTimer::singleShot(showMs, fade, [fade] { fade->start(); });
  line->show();
  return line;
}

}  // namespace

void Form2::ShowHintOnce() {
  // A borderless full-screen window says nothing of its menu: tell the user
  // once a run, without touching the picture.
  if (session_.hintShown) return;
  session_.hintShown = true;
  hint_ = TransientLine(
      this,
      QStringLiteral("Tasto destro (o Maiusc+F10): stampa in scala reale, salva - O: simula "
                     "l'ombra - Esc: chiudi\n"
                     "Ctrl+rotellina, Ctrl++, Ctrl+-: zoom - Ctrl+0: immagine esatta - "
                     "F: adatta allo schermo - trascina o frecce: sposta"),
      5000);
  PlaceHint();
}

void Form2::DropHint() {
  if (hint_) hint_->deleteLater();
  hint_ = nullptr;
}

void Form2::PlaceHint() {
  // Bottom right of what the window shows, above the shadow's bar when open.
  const QSize margin(16, 16);
  const int bottom = shadowBar_ && shadowBar_->isVisible() ? shadowBar_->y() : height();
  for (QLabel* line : {hint_.data(), note_.data()})
    if (line)
      line->move(width() - line->width() - margin.width(),
                 bottom - line->height() - margin.height());
}

void Form2::SetPlate(std::string_view piece, HourSystem hours, const DrawingParameters& site,
                     const QString& zone) {
  // A file cuts along the outline only when the window holds that one piece.
  const Piece* drawn = PieceNamed(piece);
  cut_.reset();
  if (++piecesDrawn_ == 1 && drawn && drawn->cut) cut_ = drawn->cut(site);
  if (piece == "B" || piece == "C") {
    plate_ = Plate{piece == "B", hours, site, zone};
  } else {
    plate_.reset();
  }
  shadowAction_->setVisible(plate_.has_value());
  if (shadowBar_ && plate_) shadowBar_->SetPlate(plate_->plateB, site, hours, zone);
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
  DropHint();
  shadowBar_->SetPlate(plate_->plateB, plate_->site, plate_->hours, plate_->zone);
  shadowBar_->show();
  PlaceShadowBar();
  shadowBar_->timeBox->setFocus();
  update();
}

void Form2::PlaceShadowBar() {
  if (!shadowBar_) return;
  // Along the bottom of the screen, as tall as its words need at this width.
  const QRect screen = rect().intersected(QRect(QPoint(0, 0), ScreenSize()));
  const int tall =
      std::max(shadowBar_->heightForWidth(screen.width()), shadowBar_->minimumSizeHint().height());
  shadowBar_->setGeometry(screen.left(), screen.bottom() + 1 - tall, screen.width(), tall);
}

void Form2::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  view_.SetWindow(QSizeF(size()));
  if (image_.size() != (QSizeF(size()) * devicePixelRatioF()).toSize()) Redraw();
  PlaceHint();
  PlaceShadowBar();
}

void Form2::mousePressEvent(QMouseEvent* event) {
  DropHint();
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
  DropHint();
  const int key = event->key();
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
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
  const QPointF at = Pointer();
  const QPointF step(width() / 8.0, height() / 8.0);
  if (ctrl && (key == Qt::Key_Plus || key == Qt::Key_Equal)) {
    ChangeView([at](DrawingView& v) { v.StepIn(at); });
  } else if (ctrl && key == Qt::Key_Minus) {
    ChangeView([at](DrawingView& v) { v.StepOut(at); });
  } else if (ctrl && key == Qt::Key_0) {
    ChangeView([](DrawingView& v) { v.Reset(); });
  } else if ((key == Qt::Key_F && !ctrl) || (ctrl && key == Qt::Key_9)) {
    ChangeView([](DrawingView& v) { v.Fit(); });
  } else if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up ||
             key == Qt::Key_Down) {
    // The arrow shows more of the drawing on its side.
    const QPointF by(key == Qt::Key_Left    ? step.x()
                     : key == Qt::Key_Right ? -step.x()
                                            : 0,
                     key == Qt::Key_Up     ? step.y()
                     : key == Qt::Key_Down ? -step.y()
                                           : 0);
    ChangeView([by](DrawingView& v) { v.PanBy(by); });
  } else {
    QWidget::keyPressEvent(event);
  }
}

void Form2::PrintTrueScale() {
  const QString sentTo =
      PrintWithDialog(this, session_.printer(), calls(), title_, session_.mirrored);
  if (sentTo.isEmpty()) return;
  // Said over the picture for a few seconds: a box would only be one more click.
  DropHint();
  if (note_) note_->deleteLater();
  note_ = TransientLine(this, QStringLiteral("Stampa inviata: %1").arg(sentTo), 4000);
  PlaceHint();
}

void Form2::SaveAs() { SaveWithDialog(this, calls(), title_, cut_ ? &*cut_ : nullptr); }

Canvas& Form2Slot::PrepareWindow(const QString& title) {
  if (!window_) window_ = new Form2(session_);
  window_->SetTitle(title);
  window_->ShowOverScreen();
  return window_->canvas();
}

void Form2Slot::Drew(std::string_view piece, HourSystem hours,
                     const DrawingParameters& parameters) {
  if (window_) window_->SetPlate(piece, hours, parameters, clockZone_);
}
