#include "devices/DrawingFile.h"

#include <QDir>
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

bool DiskSink::IsFolder(const QString& path) const { return QFileInfo(path).isDir(); }

bool DiskSink::MakeFolder(const QString& path, QString& reason) {
  if (QDir().mkpath(path) && QFileInfo(path).isDir()) return true;
  reason = QFileInfo::exists(path) ? QStringLiteral("esiste e non è una cartella")
                                   : QStringLiteral("impossibile creare la cartella");
  return false;
}

bool DiskSink::Write(const QString& path, const QByteArray& bytes, QString& reason) {
  const auto fail = [&](const QString& why) {
    reason = why.isEmpty() ? QStringLiteral("errore di scrittura") : why;
    return false;
  };
  if (QFileInfo(path).isDir()) return fail(QStringLiteral("è una cartella"));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
  const bool written = writer_ ? writer_(file, bytes) : file.write(bytes) == bytes.size();
  if (!written) {
    const QString why = file.errorString();
    file.cancelWriting();  // the temporary file goes, the old file stays
    return fail(why);
  }
  if (!file.commit()) return fail(file.errorString());
  return true;
}
