#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTimer>
#include <QThreadPool>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/RuntimeDir.h"
#include "devices/WindowFont.h"
#include "drawing/DocumentTitle.h"
#include "pieces/Pieces.h"
#include "place/TownIndex.h"
#include "shell/Emblem.h"
#include "shell/Form1.h"
#include "shell/Form2.h"

namespace {

// Without a display Qt aborts with its own English advice to reinstall the
// program. Say instead, in one line, what is missing and what works without.
void NoDisplay(QtMsgType type, const QMessageLogContext&, const QString&) {
  if (type != QtFatalMsg) return;  // the platform's notes on the way there
  const QByteArray display = qgetenv("DISPLAY");
  const std::string what = display.isEmpty() && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                               ? "nessun display disponibile (DISPLAY non impostato)"
                               : "impossibile aprire il display " + display.toStdString();
  std::fprintf(stderr,
               "quindal: %s; per disegnare un pezzo senza finestre: quindal-export PEZZO "
               "--latitude ... --longitude ... --output FILE\n",
               what.c_str());
  std::_Exit(1);
}

}  // namespace

int main(int argc, char* argv[]) {
  EnsureRuntimeDir();
  InstallWindowFontSubstitution();
  qInstallMessageHandler(NoDisplay);
  QApplication app(argc, argv);
  qInstallMessageHandler(nullptr);
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setApplicationName(QStringLiteral("Quindal"));
  QApplication::setDesktopFileName(QStringLiteral("quindal"));
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(EmblemImage(64))));

  // The print and file dialogs speak Italian, like the rest of the program.
  QTranslator qtItalian;
  if (qtItalian.load(QStringLiteral("qtbase_it"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtItalian);
  }

  Form2Slot form2;
  Form1 form1;
  form1.SetRunner([&](Procedure procedure) {
    const InputState inputs{form1.Text1(), form1.Text4(), form1.Option5(), form1.Option6()};
    form2.SetNextTitle(DocumentTitle(QString::fromUtf8(PieceDrawnBy(procedure)->title), inputs));
    procedure(form1, form2);
  });
  form1.show();
  if (!WindowFontInstalled()) {
    std::fprintf(stderr, "quindal: %s\n", kMissingWindowFont);
    QTimer::singleShot(0, &form1, [&form1] {
      QMessageBox::warning(&form1, QStringLiteral("Quindal"),
                           QStringLiteral("Manca il carattere Liberation Sans, con cui il "
                                          "quindal scrive: le parole dei disegni possono "
                                          "mancare, apparire come riquadri vuoti o in un "
                                          "altro carattere. Installare il pacchetto "
                                          "fonts-liberation2."));
    });
  }
  // The town list loads while the user reads the window, so that the site
  // finder opens at once.
  QThreadPool::globalInstance()->start([] { TownIndex::Instance(); });
  return app.exec();
}
