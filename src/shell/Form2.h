#pragma once

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "devices/CompactRecording.h"
#include "devices/RasterCanvas.h"
#include "devices/RecordingCanvas.h"
#include "pieces/DrawingTarget.h"
#include "pieces/Pieces.h"
#include "shell/DrawingMenu.h"
#include "shell/DrawingView.h"
#include "shell/PrintAndSave.h"
#include "shell/ShadowBar.h"
#include "shell/WindowNotes.h"

class QAction;
class QPrinter;

// The drawing window: borderless, over the whole screen. Every call drawn
// since the window opened is recorded, so that the picture can be printed at
// true scale, saved, and drawn again at another size; what the window shows
// is an image of its own size in device pixels, rasterised from the calls at
// the screen's pixel ratio and the zoom, so lines stay one device pixel wide
// on any screen. Ctrl and the wheel, Ctrl++ and Ctrl+- zoom, Ctrl+0 shows the
// exact image again, F fits the drawing to the screen; the left button or the
// arrows move a drawing larger than the screen. A double-click, or Esc,
// closes the window.
class Form2 final : public QWidget {
  Q_OBJECT

 public:
  explicit Form2(WindowSession& session);

  Canvas& canvas() { return live_; }
  // What the window shows, in device pixels.
  const QImage& image() const { return image_; }
  const DrawingView& view() const { return view_; }
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

  QAction* printAction() const { return menu_.print; }
  QAction* saveAction() const { return menu_.save; }
  // "Simula l'ombra": offered while the last piece drawn shows a shadow.
  QAction* shadowAction() const { return menu_.shadow; }
  QAction* mirrorAction() const { return menu_.mirror; }
  QAction* calibrateAction() const { return menu_.calibrate; }

  // The piece last drawn, and the project it was drawn for.
  void SetPlate(const Piece& piece, const CheckedProject& project);
  // Opens the shadow's bar, or closes it when open.
  void ToggleShadowBar();
  // Null until first opened.
  ShadowBar* shadowBar() const { return shadowBar_; }

  // The hint the first drawing window of a run shows over the picture, not
  // in it: what the right button and Esc do. Null in later windows.
  QLabel* hint() const { return notes_.hint(); }
  // The line that says where the last print went, while it shows.
  QLabel* note() const { return notes_.note(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Draws each call on the window's raster and into the record.
  class Live final : public Canvas {
   public:
    explicit Live(Form2& window) : window_(window) {}

   protected:
    void Line(float x1, float y1, float x2, float y2, Colour c) override;
    void Point(float x, float y, Colour c) override;
    void Text(float x, float y, std::string_view text, Colour anchor) override;

   private:
    Form2& window_;
  };

  DrawingView view_;
  QImage image_;
  std::unique_ptr<RasterCanvas> raster_;
  CompactRecording record_;
  Live live_;
  QPoint dragFrom_;
  bool dragging_ = false;
  bool dragged_ = false;        // since the last press: a drag is not a click
  bool draggedBefore_ = false;  // in the press before it
  WindowSession& session_;
  DrawingMenu menu_;
  WindowNotes notes_;
  ShadowBar* shadowBar_ = nullptr;
  ShadowShown shown_ = ShadowShown::None;  // by the piece last drawn
  std::optional<CheckedProject> plate_;    // what it was drawn for, while it shows a shadow
  int piecesDrawn_ = 0;
  std::optional<PieceCut> cut_;  // of the one piece drawn; none over several
  QString title_;

  // Rasterises the record afresh for the window's size and the view.
  void Redraw();
  void ChangeView(const std::function<void(DrawingView&)>& change);
  QPointF Pointer() const;
  void ShowHintOnce();
  void PlaceNotes();
  void PlaceShadowBar();
};

// The one drawing window of the program: created on first use, destroyed when
// closed, recreated blank on the next use.
class Form2Slot final : public DrawingTarget {
 public:
  Canvas& PrepareWindow(const QString& title) override;
  void Drew(const Piece& piece, const CheckedProject& project) override;
  // Told of every drawing accepted, after the window.
  std::function<void(const CheckedProject&)> drawn;
  Form2* window() const { return window_; }
  WindowSession& session() { return session_; }

 private:
  WindowSession session_;
  QPointer<Form2> window_;
};
