#pragma once

#include <QLabel>
#include <QPointer>
#include <QString>

// The lines of words a drawing window shows over its picture, never in it,
// at its bottom right: the hint of the first window of a run (what the right
// button and Esc do), and the note that says where the last print went.
// Each fades after a few seconds and is gone.
class WindowNotes {
 public:
  explicit WindowNotes(QWidget* window) : window_(window) {}

  void ShowHint();
  void DropHint();
  void ShowNote(const QString& words);
  // Above `bottom`, the window's own or the top of the shadow's bar.
  void Place(int bottom);

  QLabel* hint() const { return hint_; }
  QLabel* note() const { return note_; }

 private:
  QWidget* window_;
  QPointer<QLabel> hint_;
  QPointer<QLabel> note_;
  int bottom_ = 0;
};
