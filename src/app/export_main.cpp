#include <QGuiApplication>
#include <iostream>

#include "app/Exporter.h"
#include "app/RuntimeDir.h"
#include "devices/WindowFont.h"

// The exporter speaks only through its own messages and exit status; the
// platform's notes (no runtime folder, no display) are not for its users.
static void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
}

int main(int argc, char* argv[]) {
  qInstallMessageHandler(QuietQtMessages);
  // Taken before Qt sees them: a value such as "-reverse" is the user's, not Qt's.
  QStringList arguments;
  for (int k = 1; k < argc; ++k) arguments << QString::fromLocal8Bit(argv[k]);

  EnsureRuntimeDir();
  // No window is ever shown: run on machines without a display too.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  InstallWindowFontSubstitution();
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  return RunExport(arguments, std::cout, std::cerr);
}
