#pragma once

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "devices/RasterCanvas.h"
#include "devices/CompactRecording.h"
#include "devices/RecordingCanvas.h"
#include "drawing/DrawingTarget.h"

class QAction;
class QPrinter;

// The drawing window: borderless, over the whole screen, showing an image of
// the screen's size that the drawings paint into. The picture is kept in the
// image, so it survives being covered, and every call drawn since the window
// opened is recorded, so that the picture can be printed at true scale or
// saved. A double-click, or Esc, closes the window.
class Form2 final : public QWidget {
  Q_OBJECT

 public:
  Form2();

  Canvas& canvas() { return tee_; }
  const QImage& image() const { return image_; }
  // Every call drawn since the window opened, in order.
  CallList calls() const { return record_.Calls(); }

  // The name the picture carries when printed or saved: the last piece drawn.
  void SetTitle(const QString& title) { title_ = title; }
  const QString& title() const { return title_; }

  // Covers the screen, shows the window and brings it to the front.
  void ShowOverScreen();

  // "Stampa in scala reale...": the print dialog, then the drawing at true scale.
  void PrintTrueScale();
  // "Salva come...": a file dialog, then the same file quindal-export writes.
  void SaveAs();

  QAction* printAction() const { return printAction_; }
  QAction* saveAction() const { return saveAction_; }

  // The hint the first drawing window of a run shows over the picture, not
  // in it: what the right button and Esc do. Null in later windows.
  QLabel* hint() const { return hint_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage image_;
  std::unique_ptr<RasterCanvas> raster_;
  CompactRecording record_;
  TeeCanvas tee_;
  QAction* printAction_;
  QAction* saveAction_;
  QPointer<QLabel> hint_;
  QString title_;

  void ShowHintOnce();
  void DropHint();
  void PlaceHint();
};

// The printer of the session: the printer, paper, orientation, copies and
// file name chosen at one print stay for the next, of any piece, until the
// program ends. It starts on A4 landscape.
QPrinter& SessionPrinter();

// The one drawing window of the program: created on first use, destroyed when
// closed, recreated blank on the next use.
class Form2Slot final : public DrawingTarget {
 public:
  Canvas& PrepareWindow() override;
  Form2* window() const { return window_; }

  // The title of the next drawing, given before its procedure runs.
  void SetNextTitle(const QString& title) { nextTitle_ = title; }

 private:
  QPointer<Form2> window_;
  QString nextTitle_;
};
