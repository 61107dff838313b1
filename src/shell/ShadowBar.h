#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "shadow/ShadowAtInstant.h"
#include "shadow/ShadowOverlay.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTimeEdit;

// "Simula l'ombra": the bar along the bottom of the drawing window that
// chooses an instant (date, clock time, zone) and says what the instrument
// shows then; the window paints the shadow over its image. Two animations:
// the chosen day from sunrise to sunset, and the year at the chosen time,
// each in about ten seconds.
class ShadowBar final : public QWidget {
  Q_OBJECT

 public:
  explicit ShadowBar(QWidget* parent);

  // The plate drawn (plate B, or plate C in the project's hours) for `project`,
  // whose zone its clocks keep.
  void SetPlate(bool plateB, const CheckedProject& project);
  // Along the bottom of `screen`, across it.
  void FitToBottom(const QRect& screen);

  // The reading at the chosen instant, when there is one.
  const std::optional<ShadowReading>& reading() const { return reading_; }
  // Paints the overlay; `toWindow` maps drawing units to the window.
  void Paint(QPainter& painter, const QTransform& toWindow) const;

  QDateEdit* dateBox;
  QTimeEdit* timeBox;
  QComboBox* zoneBox;
  QPushButton *nowButton, *dayButton, *yearButton, *closeButton;
  QLabel* sentence;

 signals:
  void changed();  // the instant or its reading: the overlay needs painting

 protected:
  // Clicks on the bar stay in the bar: a double-click must not close the window.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Every word the bar shows, in the language in use.
  void SetTexts();
  void Recompute();
  void SetNow();
  void Animate(QPushButton* button);
  void Step();
  void StopAnimation();

  QLabel* labels_[3];    // "Ombra il", "alle", "fuso"
  bool opened_ = false;  // given a plate once: "now" was taken in its zone
  bool plateB_ = false;
  CheckedProject project_;
  std::optional<ShadowReading> reading_;
  std::optional<ShadowMarks> marks_;  // of `reading_`, on plate B or C
  QTimer frames_;
  QElapsedTimer since_;
  QPushButton* running_ = nullptr;  // the animation's button
  qint64 from_ = 0, to_ = 0;        // what it runs through: clock ms, or days
};
