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
#include "drawing/DrawingTarget.h"
#include "shell/DrawingView.h"
#include "shell/PrintAndSave.h"
#include "shell/ShadowBar.h"

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

  QAction* printAction() const { return printAction_; }
  QAction* saveAction() const { return saveAction_; }
  // "Simula l'ombra": offered while the last piece drawn is plate B or C.
  QAction* shadowAction() const { return shadowAction_; }
  QAction* mirrorAction() const { return mirrorAction_; }
  QAction* calibrateAction() const { return calibrateAction_; }

  // The piece last drawn, its hour system and inputs, and the zone of the
  // site's clocks (empty: the system's).
  void SetPlate(std::string_view piece, HourSystem hours, const DrawingParameters& site,
                const QString& zone);
  // Opens the shadow's bar, or closes it when open.
  void ToggleShadowBar();
  // Null until first opened.
  ShadowBar* shadowBar() const { return shadowBar_; }

  // The hint the first drawing window of a run shows over the picture, not
  // in it: what the right button and Esc do. Null in later windows.
  QLabel* hint() const { return hint_; }
  // The line that says where the last print went, while it shows.
  QLabel* note() const { return note_; }

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
  QAction* printAction_;
  QAction* saveAction_;
  QAction* shadowAction_;
  QAction* mirrorAction_;     // "Stampa speculare", a check box
  QAction* calibrateAction_;  // "Calibra la stampante..."
  ShadowBar* shadowBar_ = nullptr;
  struct Plate {
    bool plateB;
    HourSystem hours;
    DrawingParameters site;
    QString zone;
  };
  std::optional<Plate> plate_;  // plate B or C, last drawn
  int piecesDrawn_ = 0;
  std::optional<PieceCut> cut_;  // of the one piece drawn; none over several
  WindowSession& session_;
  QPointer<QLabel> hint_;
  QPointer<QLabel> note_;
  QString title_;

  // Rasterises the record afresh for the window's size and the view.
  void Redraw();
  void ChangeView(const std::function<void(DrawingView&)>& change);
  QPointF Pointer() const;
  void ShowHintOnce();
  void DropHint();
  void PlaceHint();
  void PlaceShadowBar();
};

// The one drawing window of the program: created on first use, destroyed when
// closed, recreated blank on the next use.
class Form2Slot final : public DrawingTarget {
 public:
  Canvas& PrepareWindow(const QString& title) override;
  void Drew(std::string_view piece, HourSystem hours, const DrawingParameters& parameters) override;
  // The zone of the site's clocks for the drawings that follow (empty: the system's).
  void SetClockZone(const QString& zone) { clockZone_ = zone; }
  Form2* window() const { return window_; }
  WindowSession& session() { return session_; }

 private:
  WindowSession session_;
  QPointer<Form2> window_;
  QString clockZone_;
};
