// Writes the program's emblem as a PNG icon: icon_main OUTPUT.png SIZE
#include <QGuiApplication>

#include "devices/Emblem.h"

int main(int argc, char* argv[]) {
  if (argc != 3) return 2;
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  return EmblemImage(QByteArray(argv[2]).toInt()).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
