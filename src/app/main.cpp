#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/RuntimeDir.h"
#include "devices/WindowFont.h"
#include "shell/MainWindows.h"

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
  ConfigureApplication();
  MainWindows windows;
  windows.Show();
  return app.exec();
}
