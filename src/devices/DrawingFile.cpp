#include "devices/DrawingFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace {

// The reason of a failed file operation in Italian, from the error the
// system gave; the system's own words only for the rare rest.
QString ItalianReason(int error, const QString& systemText) {
  switch (error) {
    case ENOENT: return QStringLiteral("la cartella non esiste");
    case EACCES:
    case EPERM: return QStringLiteral("permesso negato");
    case ENOSPC:
    case EDQUOT: return QStringLiteral("spazio esaurito sul disco");
    case ENAMETOOLONG: return QStringLiteral("nome del file troppo lungo");
    case EROFS: return QStringLiteral("file system in sola lettura");
    case EISDIR: return QStringLiteral("è una cartella");
    case ENOTDIR: return QStringLiteral("una parte del percorso non è una cartella");
    default: break;
  }
  return error == 0 || systemText.isEmpty() ? QStringLiteral("errore di scrittura")
                              : QStringLiteral("errore di scrittura (%1)").arg(systemText);
}

}  // namespace

std::optional<FileFormat> FormatOfPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == "svg") return FileFormat::Svg;
  if (suffix == "pdf") return FileFormat::Pdf;
  if (suffix == "png") return FileFormat::Png;
  if (suffix == "dxf") return FileFormat::Dxf;
  return std::nullopt;
}

QString ExtensionOf(FileFormat format) {
  switch (format) {
    case FileFormat::Pdf: return QStringLiteral("pdf");
    case FileFormat::Png: return QStringLiteral("png");
    case FileFormat::Dxf: return QStringLiteral("dxf");
    case FileFormat::Svg: break;
  }
  return QStringLiteral("svg");
}

bool DiskSink::IsFolder(const QString& path) const { return QFileInfo(path).isDir(); }

bool DiskSink::MakeFolder(const QString& path, QString& reason) {
  if (QFileInfo(path).isDir()) return true;
  if (QFileInfo::exists(path)) {
    reason = QStringLiteral("esiste e non è una cartella");
    return false;
  }
  // The system's own error, for the message to say why.
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path.toStdString()), error);
  if (!error && QFileInfo(path).isDir()) return true;
  reason = ItalianReason(error.value(), QString::fromStdString(error.message()));
  return false;
}

bool DiskSink::Write(const QString& path, const QByteArray& bytes, QString& reason) {
  // errno is read right after the call that failed, before anything else runs.
  const auto fail = [&](int error, const QString& systemText) {
    reason = ItalianReason(error, systemText);
    return false;
  };
  if (QFileInfo(path).isDir()) return fail(EISDIR, {});
  QSaveFile file(path);
  errno = 0;
  if (!file.open(QIODevice::WriteOnly)) return fail(errno, file.errorString());
  errno = 0;
  const bool written = writer_ ? writer_(file, bytes) : file.write(bytes) == bytes.size();
  if (!written) {
    const int error = errno;
    const QString why = file.errorString();
    file.cancelWriting();  // the temporary file goes, the old file stays
    return fail(error, why);
  }
  errno = 0;
  if (!file.commit()) return fail(errno, file.errorString());
  return true;
}
