// The exporter's command line: arguments in, exit status out, never a crash.
// The arguments are the input split at its zero bytes. Every file goes to a
// sink in memory: no fuzz input reaches the real file system.
#include <QGuiApplication>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>

#include "app/Exporter.h"
#include "devices/DrawingFile.h"
#include "devices/WindowFont.h"

namespace {

class MemorySink final : public FileSink {
 public:
  bool IsFolder(const QString& path) const override { return folders.count(path) > 0; }
  bool MakeFolder(const QString& path, QString& reason) override {
    if (files.count(path)) {
      reason = "a file is there";
      return false;
    }
    folders.insert(path);
    return true;
  }
  bool Write(const QString& path, const QByteArray& bytes, QString& reason) override {
    if (folders.count(path) || path.isEmpty()) {
      reason = "not a file";
      return false;
    }
    files[path] = bytes;
    return true;
  }
  std::set<QString> folders;
  std::map<QString, QByteArray> files;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  InstallWindowFontSubstitution();
  static int argc = 1;
  static char name[] = "fuzz_export";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);  // fonts for the PNG and PDF devices
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QStringList arguments;
  for (const QByteArray& part :
       QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\0'))
    arguments << QString::fromUtf8(part);
  if (size == 0) arguments.clear();

  MemorySink sink;
  std::ostringstream out, err;
  const int status = RunExport(arguments, out, err, sink);
  const bool wrote = !sink.files.empty();
  // "places", --help and --version print and write nothing.
  const bool listing = !arguments.isEmpty() && arguments.front().toLower() == "places";
  if (status < 0 || status > 3) std::abort();
  if (listing && wrote) std::abort();
  if (status == 0 && !wrote && out.str().empty() && !listing) std::abort();  // nothing to show
  if ((status == 1 || status == 2) && wrote) std::abort();  // a refusal that wrote a file
  if (status != 0 && err.str().empty()) std::abort();       // a failure without a word
  return 0;
}
