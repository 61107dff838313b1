#include <QGuiApplication>
#include <iostream>

#include "Exporter.h"
#include "WindowFont.h"

int main(int argc, char* argv[]) {
  // Taken before Qt sees them: a value such as "-reverse" is the user's, not Qt's.
  QStringList arguments;
  for (int k = 1; k < argc; ++k) arguments << QString::fromLocal8Bit(argv[k]);

  // No window is ever shown: run on machines without a display too.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  InstallWindowFontSubstitution();
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  return RunExport(arguments, std::cout, std::cerr);
}
