#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <string>

#include "app/RuntimeDir.h"
#include "devices/WindowFont.h"
#include "language/Language.h"
#include "project/ProjectMemory.h"
#include "shell/MainWindows.h"

namespace {

class Program {
  Q_DECLARE_TR_FUNCTIONS(Program)
};

// Without a display Qt aborts with its own English advice to reinstall the
// program. Say instead, in one line, what is missing and what works without.
void NoDisplay(QtMsgType type, const QMessageLogContext&, const QString&) {
  if (type != QtFatalMsg) return;  // the platform's notes on the way there
  const QByteArray display = qgetenv("DISPLAY");
  const bool unset = display.isEmpty() && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  // No application, so no translation: the system's language decides alone.
  const bool english = LanguageOfSystem() == Language::English;
  const std::string what = english
                               ? (unset ? "no display available (DISPLAY is not set)"
                                        : "cannot open display " + display.toStdString())
                               : (unset ? "nessun display disponibile (DISPLAY non impostato)"
                                        : "impossibile aprire il display " + display.toStdString());
  std::fprintf(stderr,
               english ? "quindal: %s; to draw a piece without windows: quindal-export PIECE "
                         "--latitude ... --longitude ... --output FILE\n"
                       : "quindal: %s; per disegnare un pezzo senza finestre: quindal-export "
                         "PEZZO --latitude ... --longitude ... --output FILE\n",
               what.c_str());
  std::_Exit(1);
}

// --version, --help and a wrong --lingua answer without a display; beside
// --lingua, the command line holds one of them or a project file.
std::optional<int> AnswerWithoutWindows(int argc, char* argv[], const LanguageOption& arguments) {
  const QString option = arguments.rest.size() == 1 ? arguments.rest.front() : QString();
  const bool help = option == u"--help" || option == u"-h";
  const bool version = option == u"--version" || option == u"-v";
  if (!help && !version && !arguments.wrong) return std::nullopt;
  QCoreApplication words(argc, argv);
  UseLanguage(arguments.language.value_or(LanguageOfSystem()));
  if (arguments.wrong) {
    std::fprintf(stderr, "quindal: %s\n",
                 Program::tr("--lingua vuole it o en").toLocal8Bit().constData());
    return 2;
  }
  if (version) {
    std::printf("quindal %s\n", QUINDAL_VERSION);
  } else {
    std::printf("%s",
                Program::tr("Uso: quindal [--lingua it|en] [--help | --version | FILE.quindal]\n"
                            "Apre la finestra principale del quindal: la latitudine, lo "
                            "scostamento dal meridiano del fuso (o la località), il sistema "
                            "orario e le linee delle date, poi un pulsante per ogni pezzo. Con "
                            "FILE.quindal apre quel progetto; --lingua sceglie la lingua, "
                            "altrimenti quella scelta nella finestra o quella del sistema.\n"
                            "Per disegnare un pezzo senza finestre: quindal-export --help\n")
                    .toLocal8Bit()
                    .constData());
  }
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 3;
}

// --lingua, else the one chosen in the main window, else the system's.
Language StartingLanguage(const LanguageOption& arguments) {
  if (arguments.language) return *arguments.language;
  const std::unique_ptr<QSettings> settings = OpenSettings();
  return ProjectMemory(*settings).ChosenLanguage().value_or(LanguageOfSystem());
}

}  // namespace

int main(int argc, char* argv[]) {
  QStringList words;
  for (int k = 1; k < argc; ++k) words << QString::fromLocal8Bit(argv[k]);
  if (const std::optional<int> status = AnswerWithoutWindows(argc, argv, ReadLanguageOption(words)))
    return *status;
  EnsureRuntimeDir();
  InstallWindowFontSubstitution();
  qInstallMessageHandler(NoDisplay);
  QApplication app(argc, argv);
  qInstallMessageHandler(nullptr);
  ConfigureApplication();
  // Without the options Qt took for itself.
  const LanguageOption arguments = ReadLanguageOption(QApplication::arguments().mid(1));
  UseLanguage(StartingLanguage(arguments));
  MainWindows windows;
  windows.Show();
  // A project opened from the file manager, or named on the command line.
  if (!arguments.rest.isEmpty()) windows.form1.OpenProjectFile(arguments.rest.front());
  return app.exec();
}
