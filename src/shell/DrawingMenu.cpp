#include "shell/WindowWords.h"
#include "shell/DrawingMenu.h"

#include <QAction>
#include <QEvent>
#include <QWidget>

#include "shell/CalibrationDialog.h"
#include "shell/PrintAndSave.h"

namespace {

// Puts the window's words in the language in use whenever it changes.
class LanguageFollower final : public QObject {
 public:
  LanguageFollower(QWidget* window, DrawingMenu& menu) : QObject(window), menu_(menu) {
    window->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::LanguageChange) menu_.SetTexts();
    return false;
  }

 private:
  DrawingMenu& menu_;
};

}  // namespace

DrawingMenu::DrawingMenu(QWidget* window, WindowSession& session) : window_(window) {
  print = new QAction(window);
  print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  save = new QAction(window);
  save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  shadow = new QAction(window);
  shadow->setShortcut(QKeySequence(Qt::Key_O));
  shadow->setVisible(false);
  mirror = new QAction(window);
  mirror->setCheckable(true);
  mirror->setChecked(session.mirrored);
  QObject::connect(mirror, &QAction::toggled, window,
                   [&session](bool on) { session.mirrored = on; });
  calibrate = new QAction(window);
  QObject::connect(calibrate, &QAction::triggered, window,
                   [window, &session] { CalibrateWithDialogs(window, session.printer()); });
  for (QAction* action : {print, save, mirror, calibrate, shadow}) window->addAction(action);
  window->setContextMenuPolicy(Qt::ActionsContextMenu);  // a right click opens the menu
  SetTexts();
  new LanguageFollower(window, *this);
}

void DrawingMenu::SetTexts() {
  window_->setWindowTitle(Windows::tr("Grafico del quindal con quadro inclinato  ( di Orbelan )"));
  print->setText(Windows::tr("Stampa in scala reale..."));
  save->setText(Windows::tr("Salva come..."));
  shadow->setText(Windows::tr("Simula l'ombra"));
  mirror->setText(Windows::tr("Stampa speculare"));
  calibrate->setText(Windows::tr("Calibra la stampante..."));
}
