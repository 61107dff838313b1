#pragma once

class QAction;
class QWidget;
class WindowSession;

// The drawing window's menu, opened by the right button: print at true
// scale, save, mirrored print, the printer's calibration, and the shadow.
struct DrawingMenu {
  // Adds the actions to `window`; print, save and shadow are for the window
  // to connect, the mirror and the calibration work on `session`.
  DrawingMenu(QWidget* window, WindowSession& session);
  // The window's title and the entries' words, in the language in use; they
  // follow a change of language by themselves.
  void SetTexts();

  QAction* print;
  QAction* save;
  QAction* mirror;     // "Stampa speculare", a check box
  QAction* calibrate;  // "Calibra la stampante..."
  QAction* shadow;     // "Simula l'ombra": offered while a plate with a shadow is drawn

 private:
  QWidget* window_;
};
