#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>

// Qt warns at every start when XDG_RUNTIME_DIR is unset (root on a bare
// terminal), then makes its own /tmp/runtime-USER: make it quietly instead.
inline void EnsureRuntimeDir() {
  if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
  const QByteArray dir =
      QDir::tempPath().toLocal8Bit() + "/runtime-" + QByteArray::number(getuid());
  ::mkdir(dir.constData(), 0700);
  struct stat info {};
  if (::stat(dir.constData(), &info) != 0 || info.st_uid != getuid())
    return;  // not ours: let Qt say
  ::chmod(dir.constData(), 0700);
  qputenv("XDG_RUNTIME_DIR", dir);
}
