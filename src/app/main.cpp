#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
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

// --version and --help answer on standard output, display or not.
std::optional<int> AnswerWithoutWindows(int argc, char* argv[]) {
  if (argc != 2) return std::nullopt;
  const std::string_view option = argv[1];
  if (option == "--version" || option == "-v") {
    std::printf("quindal %s\n", QUINDAL_VERSION);
  } else if (option == "--help" || option == "-h") {
    std::printf(
        "Uso: quindal [--help | --version | FILE.quindal]\n"
        "Apre la finestra principale del quindal: la latitudine, lo scostamento dal meridiano "
        "del fuso (o la località), il sistema orario e le linee delle date, poi un pulsante "
        "per ogni pezzo. Con FILE.quindal apre quel progetto.\n"
        "Per disegnare un pezzo senza finestre: quindal-export --help\n");
  } else {
    return std::nullopt;
  }
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 3;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const std::optional<int> status = AnswerWithoutWindows(argc, argv)) return *status;
  EnsureRuntimeDir();
  InstallWindowFontSubstitution();
  qInstallMessageHandler(NoDisplay);
  QApplication app(argc, argv);
  qInstallMessageHandler(nullptr);
  ConfigureApplication();
  MainWindows windows;
  windows.Show();
  // A project opened from the file manager, or named on the command line.
  const QStringList files = QApplication::arguments().mid(1);
  if (!files.isEmpty()) windows.form1.OpenProjectFile(files.front());
  return app.exec();
}
