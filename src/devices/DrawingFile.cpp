#include "devices/DrawingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "devices/KitReplacement.h"

namespace {
class Files {
  Q_DECLARE_TR_FUNCTIONS(Files)
};
}  // namespace

QString FailureReason(int error, const QString& systemText) {
  switch (error) {
    case ENOENT: return Files::tr("la cartella non esiste");
    case EACCES:
    case EPERM: return Files::tr("permesso negato");
    case ENOSPC:
    case EDQUOT: return Files::tr("spazio esaurito sul disco");
    case ENAMETOOLONG: return Files::tr("nome del file troppo lungo");
    case EROFS: return Files::tr("file system in sola lettura");
    case EISDIR: return Files::tr("è una cartella");
    case ENOTDIR: return Files::tr("una parte del percorso non è una cartella");
    case ENXIO: return Files::tr("nessun programma legge dalla FIFO");
    case ELOOP: return Files::tr("troppi collegamenti simbolici");
    case EBADF: return Files::tr("è chiuso");
    case EPIPE: return Files::tr("chi leggeva ha chiuso");
    default: break;
  }
  return error == 0 || systemText.isEmpty() ? Files::tr("errore di scrittura")
                                            : Files::tr("errore di scrittura (%1)").arg(systemText);
}

namespace {

// What a write to a path meets, symbolic links followed.
enum class Kind { Missing, Regular, Stream, Folder, Other };
struct Target {
  QString path;  // the file itself, or the link's target
  Kind kind;
  int error = 0;  // why it could not be looked at, if it could not
};

Target Resolve(const QString& path) {
  QString target = path;
  const QFileInfo info(path);
  if (info.isSymLink()) target = info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
  struct stat st {};
  if (::stat(QFile::encodeName(target).constData(), &st) != 0) {
    const int error = errno;
    return {target, error == ENOENT ? Kind::Missing : Kind::Other, error};
  }
  if (S_ISREG(st.st_mode)) return {target, Kind::Regular};
  // A device or a FIFO is written, never replaced: renaming a file over
  // /dev/something would destroy the node.
  if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) return {target, Kind::Stream};
  if (S_ISDIR(st.st_mode)) return {target, Kind::Folder, EISDIR};
  return {target, Kind::Other};
}

// Why a target that is not a file to replace is refused.
QString Refusal(const Target& target) {
  if (target.error) return FailureReason(target.error, {});
  return Files::tr("non è un file, né un dispositivo a caratteri o una FIFO");
}

}  // namespace

bool DiskSink::IsFolder(const QString& path) const { return QFileInfo(path).isDir(); }

bool DiskSink::MakeFolder(const QString& path, QString& reason) {
  if (QFileInfo(path).isDir()) return true;
  if (QFileInfo::exists(path)) {
    reason = Files::tr("esiste e non è una cartella");
    return false;
  }
  // The system's own error, for the message to say why.
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path.toStdString()), error);
  if (!error && QFileInfo(path).isDir()) return true;
  reason = FailureReason(error.value(), QString::fromStdString(error.message()));
  return false;
}

void DiskSink::RemoveEmptyFolder(const QString& path) { QDir().rmdir(path); }

bool DiskSink::Put(QIODevice& device, const QByteArray& bytes) const {
  return writer_ ? writer_(device, bytes) : device.write(bytes) == bytes.size();
}

bool DiskSink::Write(const QString& path, const QByteArray& bytes, QString& reason) {
  // errno is read right after the call that failed, before anything else runs.
  const auto fail = [&](int error, const QString& systemText) {
    reason = FailureReason(error, systemText);
    return false;
  };
  const Target target = Resolve(path);
  if (target.kind == Kind::Folder || target.kind == Kind::Other) {
    reason = Refusal(target);
    return false;
  }
  if (target.kind == Kind::Stream) {
    // Without a reader a FIFO would hold the exporter forever: not blocking
    // on the opening, it says so instead.
    const int fd = ::open(QFile::encodeName(target.path).constData(),
                          O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return fail(errno, {});
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile device;
    device.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle);
    errno = 0;
    if (!Put(device, bytes)) return fail(errno, device.errorString());
    return true;
  }
  return WriteBeside(target.path, bytes, reason);
}

bool DiskSink::WriteBeside(const QString& path, const QByteArray& bytes, QString& reason) {
  // The temporary file has a short name of its own, so that any name the
  // file system takes is taken; it gets the mode the file had, or a new
  // file's.
  const QFileInfo info(path);
  QByteArray name = QFile::encodeName(info.absolutePath() + QStringLiteral("/.quindal-XXXXXX"));
  errno = 0;
  const int fd = ::mkstemp(name.data());
  if (fd < 0) {
    reason = FailureReason(errno, {});
    return false;
  }
  struct stat old {};
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, ::stat(QFile::encodeName(path).constData(), &old) == 0 ? old.st_mode & 07777
                                                                      : 0666 & ~mask);
  int error = PutOnDisk(
      fd, bytes, [this](QIODevice& device, const QByteArray& data) { return Put(device, data); });
  ::close(fd);
  if (!error && ::rename(name.constData(), QFile::encodeName(path).constData()) != 0) error = errno;
  if (!error) return true;
  ::unlink(name.constData());  // the old file stays as it was
  reason = FailureReason(error, error > 0 ? qt_error_string(error) : QString());
  return false;
}

bool DiskSink::WriteAll(const FileSet& files, QString& failed, QString& reason) {
  for (const auto& [path, bytes] : files) {
    const Target target = Resolve(path);
    if (target.kind != Kind::Missing && target.kind != Kind::Regular) {
      failed = path;
      reason = target.kind == Kind::Stream
                   ? Files::tr("in una cartella del kit va un file, non un dispositivo")
                   : Refusal(target);
      return false;
    }
  }
  return ReplaceKit(
      files, [this](QIODevice& device, const QByteArray& bytes) { return Put(device, bytes); },
      failed, reason);
}
