#include "shell/DrawingMenu.h"

#include <QAction>
#include <QWidget>

#include "shell/CalibrationDialog.h"
#include "shell/PrintAndSave.h"

DrawingMenu::DrawingMenu(QWidget* window, WindowSession& session) {
  print = new QAction(QStringLiteral("Stampa in scala reale..."), window);
  print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  save = new QAction(QStringLiteral("Salva come..."), window);
  save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  shadow = new QAction(QStringLiteral("Simula l'ombra"), window);
  shadow->setShortcut(QKeySequence(Qt::Key_O));
  shadow->setVisible(false);
  mirror = new QAction(QStringLiteral("Stampa speculare"), window);
  mirror->setCheckable(true);
  mirror->setChecked(session.mirrored);
  QObject::connect(mirror, &QAction::toggled, window,
                   [&session](bool on) { session.mirrored = on; });
  calibrate = new QAction(QStringLiteral("Calibra la stampante..."), window);
  QObject::connect(calibrate, &QAction::triggered, window,
                   [window, &session] { CalibrateWithDialogs(window, session.printer()); });
  for (QAction* action : {print, save, mirror, calibrate, shadow}) window->addAction(action);
  window->setContextMenuPolicy(Qt::ActionsContextMenu);  // a right click opens the menu
}
