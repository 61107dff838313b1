#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <cerrno>
#include <csignal>
#include <iostream>

#include "app/CommandLine.h"
#include "app/Exporter.h"
#include "app/ExporterWords.h"
#include "app/RuntimeDir.h"
#include "devices/WindowFont.h"
#include "language/Language.h"

// The exporter speaks only through its own messages and exit status; the
// platform's notes (no runtime folder, no display) are not for its users.
static void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
}

// A standard stream the caller closed must stay closed: the next file opened
// would take its number and receive the listing. Hold the place with
// /dev/null opened for reading, where every write fails.
static void HoldClosedStreams() {
  for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    const int held = ::open("/dev/null", O_RDONLY);
    if (held >= 0 && held != fd) {
      ::dup2(held, fd);
      ::close(held);
    }
  }
}

int main(int argc, char* argv[]) {
  HoldClosedStreams();
  // A reader that went away is a failed write to report, not a silent death.
  std::signal(SIGPIPE, SIG_IGN);
  qInstallMessageHandler(QuietQtMessages);
  EnsureRuntimeDir();
  // No window is ever shown: run on machines without a display too.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  InstallWindowFontSubstitution();
  // Qt never sees the arguments: a value such as "-reverse" is the user's, not Qt's.
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  // Until --lingua is read, the system's language.
  UseLanguage(LanguageOfSystem());
  std::string problem;
  const std::optional<QStringList> arguments = TextArguments(argc, argv, problem);
  if (!arguments) {
    std::cerr << "quindal-export: " << problem << "\n" << HelpHint();
    return kExportUsage;
  }
  return RunExport(*arguments, std::cout, std::cerr);
}
