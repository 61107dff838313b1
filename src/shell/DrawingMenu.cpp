#include "shell/WindowWords.h"
#include "shell/DrawingMenu.h"

#include <QAction>
#include <QWidget>

#include "shell/CalibrationDialog.h"
#include "shell/PrintAndSave.h"

DrawingMenu::DrawingMenu(QWidget* window, WindowSession& session) {
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
}

void DrawingMenu::SetTexts() {
  print->setText(Windows::tr("Stampa in scala reale..."));
  save->setText(Windows::tr("Salva come..."));
  shadow->setText(Windows::tr("Simula l'ombra"));
  mirror->setText(Windows::tr("Stampa speculare"));
  calibrate->setText(Windows::tr("Calibra la stampante..."));
}
