#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>
#include <optional>

#include "devices/ExportDevices.h"

// The format a file name asks for by its extension (.svg, .pdf, .png, in any
// case), or nothing.
std::optional<FileFormat> FormatOfPath(const QString& path);

// The extension of a format, without the dot.
QString ExtensionOf(FileFormat format);

// Where finished drawings go. On failure each operation returns false with
// the reason, in the words of the system.
class FileSink {
 public:
  virtual ~FileSink() = default;
  virtual bool IsFolder(const QString& path) const = 0;
  virtual bool MakeFolder(const QString& path, QString& reason) = 0;
  virtual bool Write(const QString& path, const QByteArray& bytes, QString& reason) = 0;
};

// The file system. Each file is written to a temporary file beside its place
// and renamed into it, so that no half-written file is ever left and an
// existing file is replaced only by a whole one.
class DiskSink final : public FileSink {
 public:
  // Puts the bytes into the open temporary file; the default writes them all.
  using DeviceWriter = std::function<bool(QIODevice& device, const QByteArray& bytes)>;
  explicit DiskSink(DeviceWriter writer = {}) : writer_(std::move(writer)) {}

  bool IsFolder(const QString& path) const override;
  bool MakeFolder(const QString& path, QString& reason) override;
  bool Write(const QString& path, const QByteArray& bytes, QString& reason) override;

 private:
  DeviceWriter writer_;
};
