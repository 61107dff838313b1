#include "shell/WindowWords.h"
#include "shell/MainWindows.h"

#include <QApplication>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QThreadPool>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

#include "devices/WindowFont.h"
#include "place/TownIndex.h"
#include "devices/Emblem.h"

void ConfigureApplication() {
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setApplicationName(QStringLiteral("Quindal"));
  QApplication::setDesktopFileName(QStringLiteral("quindal"));
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(EmblemImage(64))));
  // With only the package's fonts installed fontconfig answers Liberation
  // Mono for the desktop's sans-serif, and the dialogs' columns are cut: take
  // the window font's face, proportional, at the desktop's size.
  const QFont desktop = QApplication::font();
  if (QFontInfo(desktop).fixedPitch() && WindowFontInstalled()) {
    QFont proportional(QStringLiteral("Liberation Sans"));
    proportional.setPointSizeF(desktop.pointSizeF());
    QApplication::setFont(proportional);
  }
}

MainWindows::MainWindows() : settings_(OpenSettings()), memory_(*settings_) {
  form1.SetRunner([this](Procedure procedure) { procedure(form1, form2); });
  form2.drawn = [this](const CheckedProject& project) { form1.Remember(project); };
  form1.SetMemory(&memory_);
}

void MainWindows::Show() {
  form1.show();
  if (!WindowFontInstalled()) {
    std::fprintf(stderr, "quindal: %s\n", MissingWindowFont().toLocal8Bit().constData());
    QTimer::singleShot(0, &form1, [this] {
      QMessageBox::warning(&form1, QStringLiteral("Quindal"),
                           Windows::tr("Manca il carattere Liberation Sans, con cui il "
                                       "quindal scrive: le parole dei disegni possono "
                                       "mancare, apparire come riquadri vuoti o in un "
                                       "altro carattere. Installare il pacchetto "
                                       "fonts-liberation2."));
    });
  }
  // The town list loads while the user reads the window, so that the site
  // finder opens at once.
  QThreadPool::globalInstance()->start([] { TownIndex::Instance(); });
}
