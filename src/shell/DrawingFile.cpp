#include "DrawingFile.h"

#include <QFileInfo>
#include <QSaveFile>

std::optional<FileFormat> FormatOfPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == "svg") return FileFormat::Svg;
  if (suffix == "pdf") return FileFormat::Pdf;
  if (suffix == "png") return FileFormat::Png;
  return std::nullopt;
}

QString ExtensionOf(FileFormat format) {
  switch (format) {
    case FileFormat::Pdf: return QStringLiteral("pdf");
    case FileFormat::Png: return QStringLiteral("png");
    case FileFormat::Svg: break;
  }
  return QStringLiteral("svg");
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString& reason) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    reason = file.errorString();
    return false;
  }
  if (file.write(bytes) != bytes.size()) {
    reason = file.errorString();
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    reason = file.errorString();
    return false;
  }
  return true;
}
