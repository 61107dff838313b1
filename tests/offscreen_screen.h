#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

// Gives Qt's offscreen platform one screen of `width` x `height` logical
// pixels at device pixel ratio `ratio`. Call before the application starts.
inline void UseOffscreenScreen(int width, int height, double ratio) {
  static QTemporaryDir folder;
  const QString path = folder.filePath("screen.json");
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
  file.write(
      QStringLiteral(R"({"screens": [{"name": "prova", "x": 0, "y": 0, "width": %1, "height": %2,
                                "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": %3}]})")
          .arg(width)
          .arg(height)
          .arg(ratio)
          .toUtf8());
  file.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + path.toUtf8());
}
