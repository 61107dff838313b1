#include "shell/Form2.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QFileDialog>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPropertyAnimation>
#include <QTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

#include "devices/DrawingFile.h"
#include "devices/ExportDevices.h"
#include "devices/TrueScalePage.h"
#include "devices/WindowFont.h"
#include "shell/PrintJob.h"
#include "drawing/Palette.h"

namespace {

QImage BlankScreenImage() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize size = screen ? screen->geometry().size() : QSize(800, 600);
  QImage image(size, QImage::Format_RGB32);
  image.fill(QColor::fromRgb(kWindowRgb));
  return image;
}

}  // namespace

Form2::Form2()
    : image_(BlankScreenImage()),
      raster_(std::make_unique<RasterCanvas>(image_)),
      tee_(*raster_, record_) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("Grafico del quindal con quadro inclinato  ( di Orbelan )"));
  setFont(WindowFont());

  printAction_ = new QAction(QStringLiteral("Stampa in scala reale..."), this);
  printAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(printAction_, &QAction::triggered, this, &Form2::PrintTrueScale);
  saveAction_ = new QAction(QStringLiteral("Salva come..."), this);
  saveAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  connect(saveAction_, &QAction::triggered, this, &Form2::SaveAs);
  addAction(printAction_);
  addAction(saveAction_);
  setContextMenuPolicy(Qt::ActionsContextMenu);  // a right click opens the two
  ShowHintOnce();
}

void Form2::ShowHintOnce() {
  // A borderless full-screen window says nothing of its menu: tell the user
  // once a run, without touching the picture.
  static bool shown = false;
  if (shown) return;
  shown = true;
  hint_ = new QLabel(
      QStringLiteral("Tasto destro (o Maiusc+F10): stampa in scala reale, salva - Esc: chiudi"), this);
  hint_->setStyleSheet(QStringLiteral(
      "QLabel { background: rgba(40, 40, 40, 200); color: white; padding: 6px 10px; "
      "border-radius: 4px; }"));
  hint_->setAttribute(Qt::WA_TransparentForMouseEvents);
  hint_->adjustSize();
  PlaceHint();
  // It fades after a few seconds.
  auto* opacity = new QGraphicsOpacityEffect(hint_);
  hint_->setGraphicsEffect(opacity);
  auto* fade = new QPropertyAnimation(opacity, "opacity", hint_);
  fade->setStartValue(1.0);
  fade->setEndValue(0.0);
  fade->setDuration(1500);
  connect(fade, &QPropertyAnimation::finished, this, &Form2::DropHint);
  QTimer::singleShot(5000, fade, [fade] { fade->start(); });
}

void Form2::DropHint() {
  if (hint_) hint_->deleteLater();
  hint_ = nullptr;
}

void Form2::PlaceHint() {
  if (!hint_) return;
  // Bottom right of what the window shows of the screen.
  const QSize margin(16, 16);
  hint_->move(width() - hint_->width() - margin.width(), height() - hint_->height() - margin.height());
}

void Form2::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceHint();
}

void Form2::mousePressEvent(QMouseEvent* event) {
  DropHint();
  QWidget::mousePressEvent(event);
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
  painter.fillRect(rect(), QColor::fromRgb(kWindowRgb));
  painter.drawImage(QPoint(0, 0), image_);
}

void Form2::mouseDoubleClickEvent(QMouseEvent*) { close(); }

void Form2::keyPressEvent(QKeyEvent* event) {
  DropHint();
  // A borderless full-screen window must not trap a user who has not read
  // the main window's note about the double-click.
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  // The menu from the keyboard, as everywhere else on the desktop.
  if (event->key() == Qt::Key_Menu ||
      (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
    const QPoint at = rect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, mapToGlobal(at));
    QCoreApplication::sendEvent(this, &menu);
    return;
  }
  QWidget::keyPressEvent(event);
}

QPrinter& SessionPrinter() {
  static QPrinter* printer = [] {
    auto* p = new QPrinter(QPrinter::HighResolution);  // lives as long as the program
    p->setPageSize(QPageSize(QPageSize::A4));
    p->setPageOrientation(QPageLayout::Landscape);
    p->setFullPage(true);
    return p;
  }();
  return *printer;
}

namespace {

// Qt's print dialog starts on a real printer every time: making it forgets
// "Stampa su file (PDF)", although the printer still holds the file's name.
// Once the dialog shows, choose the file again.
void ChooseFileAgain(QPrintDialog& dialog, const QString& fileName) {
  QTimer::singleShot(0, &dialog, [&dialog, fileName] {
    auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
    auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
    if (!printers || !file || printers->count() == 0) return;
    printers->setCurrentIndex(printers->count() - 1);  // the file, last in the list
    file->setText(fileName);
  });
}

}  // namespace

void Form2::PrintTrueScale() {
  QPrinter& printer = SessionPrinter();
  for (;;) {
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    const QString fileName = printer.outputFileName();
    QPrintDialog dialog(&printer, this);
    if (toFile) ChooseFileAgain(dialog, fileName);
    dialog.setWindowTitle(QStringLiteral("Stampa in scala reale"));
    if (dialog.exec() != QDialog::Accepted) return;
    const std::optional<QString> problem = ::PrintTrueScale(printer, record_.Calls(), title_);
    if (!problem) return;
    QMessageBox::warning(this, QStringLiteral("Quindal"), *problem);
  }
}

void Form2::SaveAs() {
  const QString pdf = QStringLiteral("PDF in scala reale (*.pdf)");
  const QString svg = QStringLiteral("SVG in scala reale (*.svg)");
  const QString png = QStringLiteral("Immagine PNG 800 x 600 (*.png)");
  QString filter = pdf;
  QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Salva come"), QString(),
                                              pdf + ";;" + svg + ";;" + png, &filter);
  if (path.isEmpty()) return;
  std::optional<FileFormat> format = FormatOfPath(path);
  if (!format) {
    // No known extension typed: take the one of the chosen filter.
    format = filter == svg ? FileFormat::Svg : filter == png ? FileFormat::Png : FileFormat::Pdf;
    path += "." + ExtensionOf(*format);
  }
  QString reason;
  DiskSink disk;
  if (!disk.Write(path, Render(*format, calls(), title_), reason)) {
    QMessageBox::warning(this, QStringLiteral("Quindal"),
                         QStringLiteral("Impossibile scrivere %1: %2").arg(path, reason));
  }
}

Canvas& Form2Slot::PrepareWindow() {
  if (!window_) window_ = new Form2;
  window_->SetTitle(nextTitle_);
  window_->ShowOverScreen();
  return window_->canvas();
}
