#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "devices/ExportDevices.h"

// The reason of a failed file operation in the user's language, from the error the
// system gave; the system's own words only for the rare rest.
QString FailureReason(int error, const QString& systemText = {});

// Files to write together: a path and its bytes each.
using FileSet = std::vector<std::pair<QString, QByteArray>>;

// Where finished drawings go. On failure each operation returns false with
// the reason, in the words of the system.
class FileSink {
 public:
  virtual ~FileSink() = default;
  virtual bool IsFolder(const QString& path) const = 0;
  virtual bool MakeFolder(const QString& path, QString& reason) = 0;
  // Takes a folder this run made and left empty away again.
  virtual void RemoveEmptyFolder(const QString& path) { (void)path; }
  virtual bool Write(const QString& path, const QByteArray& bytes, QString& reason) = 0;
  // Writes every file, or none: on failure `failed` names the file that could
  // not be written and everything is as it was. This default suits a sink
  // whose writes cannot fail halfway.
  virtual bool WriteAll(const FileSet& files, QString& failed, QString& reason) {
    for (const auto& [path, bytes] : files) {
      if (!Write(path, bytes, reason)) {
        failed = path;
        return false;
      }
    }
    return true;
  }
};

// The file system. A regular file is written to a temporary file beside its
// place and renamed into it, so that no half-written file is ever left and an
// existing file is replaced only by a whole one; a symbolic link is followed
// and its target written. A character device or a FIFO is written in place,
// never replaced; a folder, a socket or anything else is refused.
class DiskSink final : public FileSink {
 public:
  // Puts the bytes into the open file; the default writes them all.
  using DeviceWriter = std::function<bool(QIODevice& device, const QByteArray& bytes)>;
  explicit DiskSink(DeviceWriter writer = {}) : writer_(std::move(writer)) {}

  bool IsFolder(const QString& path) const override;
  bool MakeFolder(const QString& path, QString& reason) override;
  void RemoveEmptyFolder(const QString& path) override;
  bool Write(const QString& path, const QByteArray& bytes, QString& reason) override;
  // Each file whole beside its place first, then all renamed into place in
  // one short step under a journal (devices/KitReplacement.h): a run killed at
  // any moment leaves, once the next kit run into the folder has settled it,
  // the old kit whole or the new one whole.
  bool WriteAll(const FileSet& files, QString& failed, QString& reason) override;

 private:
  bool Put(QIODevice& device, const QByteArray& bytes) const;
  // Writes a regular file's bytes beside it, then renames them into place.
  bool WriteBeside(const QString& path, const QByteArray& bytes, QString& reason);
  DeviceWriter writer_;
};
