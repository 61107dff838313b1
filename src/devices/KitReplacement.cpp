#include "devices/KitReplacement.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <vector>

namespace {

const QString kNewSuffix = QStringLiteral(".quindal-nuovo");
const QString kOldSuffix = QStringLiteral(".quindal-precedente");

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

// Creates `path` afresh with `bytes`, on disk before it returns; `mode` as
// the file it will replace has it, when there is one.
int WriteWhole(const QString& path, const QByteArray& bytes, mode_t mode,
               const DiskSink::DeviceWriter& put) {
  const int fd = ::open(Native(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
  if (fd < 0) return errno;
  const int error = PutOnDisk(fd, bytes, put);
  ::close(fd);
  if (error) ::unlink(Native(path).constData());
  return error;
}

// The journal: the full paths of the kit's files, each ending in a NUL.
QString JournalOf(const QString& folder) { return QDir(folder).filePath(QString(kKitJournal)); }

int WriteJournal(const QString& folder, const std::vector<QString>& targets) {
  QByteArray list;
  for (const QString& target : targets) list += Native(target) + '\0';
  const QString journal = JournalOf(folder), unfinished = journal + kNewSuffix;
  const auto writeAll = [](QIODevice& device, const QByteArray& bytes) {
    return device.write(bytes) == bytes.size();
  };
  if (const int error = WriteWhole(unfinished, list, 0644, writeAll)) return error;
  if (::rename(Native(unfinished).constData(), Native(journal).constData()) != 0) return errno;
  return 0;
}

}  // namespace

int PutOnDisk(int fd, const QByteArray& bytes, const DiskSink::DeviceWriter& put) {
  QFile device;
  device.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
  errno = 0;
  if (put(device, bytes) && ::fsync(fd) == 0) return 0;
  return errno ? errno : -1;
}

void SettleKilledKitRun(const QString& folder) {
  QFile journal(JournalOf(folder));
  if (journal.open(QIODevice::ReadOnly)) {
    for (const QByteArray& target : journal.readAll().split('\0')) {
      if (target.isEmpty()) continue;
      const QByteArray staged = target + Native(kNewSuffix);
      ::rename(staged.constData(), target.constData());  // already done when it fails
      ::unlink((target + Native(kOldSuffix)).constData());
    }
    journal.close();
    journal.remove();
  }
  static const QRegularExpression kLeftover(
      QStringLiteral(R"(\.quindal-(nuovo|precedente|\d+-precedente)$)"));
  const QDir dir(folder);
  for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
    if (kLeftover.match(name).hasMatch()) QFile::remove(dir.filePath(name));
}

bool ReplaceKit(const FileSet& files, const DiskSink::DeviceWriter& put, QString& failed,
                QString& reason) {
  if (files.empty()) return true;
  const QString folder = QFileInfo(files.front().first).absolutePath();
  // One kit run at a time in a folder: another one's files beside their
  // places are not a killed run's to clear.
  const int lock = ::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (lock >= 0) ::flock(lock, LOCK_EX);
  const struct Unlock {
    int fd;
    ~Unlock() {
      if (fd >= 0) ::close(fd);  // closing releases the lock
    }
  } unlock{lock};
  SettleKilledKitRun(folder);
  std::vector<QString> targets, staged, kept;
  const auto undo = [&] {
    for (const QString& s : staged) QFile::remove(s);
    for (const QString& k : kept)
      if (!k.isEmpty()) QFile::remove(k);
  };
  const auto fail = [&](std::size_t k, int error) {
    failed = files[k].first;
    reason = FailureReason(error);
    undo();
    return false;
  };
  // 1 and 2: every file whole beside its place, and a second name for the old.
  for (std::size_t k = 0; k < files.size(); ++k) {
    const QFileInfo info(files[k].first);
    const QString target =
        info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    struct stat old {};
    const bool exists = ::stat(Native(target).constData(), &old) == 0;
    if (const int error = WriteWhole(target + kNewSuffix, files[k].second,
                                     exists ? old.st_mode & 07777 : 0666, put))
      return fail(k, error);
    targets.push_back(target);
    staged.push_back(target + kNewSuffix);
    kept.emplace_back();
    if (exists) {
      if (::link(Native(target).constData(), Native(target + kOldSuffix).constData()) != 0)
        return fail(k, errno);
      kept.back() = target + kOldSuffix;
    }
  }
  // 3: from here on the new kit counts.
  if (const int error = WriteJournal(folder, targets)) return fail(0, error);
  // 4: the renames, one short step; a failure puts back those already done.
  for (std::size_t k = 0; k < targets.size(); ++k) {
    if (::rename(Native(staged[k]).constData(), Native(targets[k]).constData()) == 0) continue;
    const int error = errno;
    QFile::remove(JournalOf(folder));
    for (std::size_t j = 0; j < k; ++j) {
      if (kept[j].isEmpty()) {
        QFile::remove(targets[j]);
      } else {
        ::rename(Native(kept[j]).constData(), Native(targets[j]).constData());
        kept[j].clear();
      }
      staged[j].clear();
    }
    return fail(k, error);
  }
  QFile::remove(JournalOf(folder));
  for (const QString& k : kept)
    if (!k.isEmpty()) QFile::remove(k);
  return true;
}
