// The exporter against what it finds where it writes and prints: device
// nodes, FIFOs, symbolic links and sockets, a kit that fails halfway, a
// closed or full standard output, runaway values, a missing font.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <map>
#include <sstream>
#include <streambuf>
#include <thread>

#include "app/Exporter.h"
#include "devices/DrawingFile.h"
#include "devices/KitReplacement.h"

namespace {

const QStringList kSite = {"--latitude", "45", "--longitude", "0"};

struct Outcome {
  int status;
  std::string err;
};

Outcome Export(const QStringList& arguments, FileSink* sink = nullptr) {
  std::ostringstream out, err;
  DiskSink disk;
  const int status = RunExport(arguments, out, err, sink ? *sink : disk);
  return {status, err.str()};
}

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

mode_t Mode(const QString& path, bool followLink = false) {
  struct stat st {};
  const QByteArray name = QFile::encodeName(path);
  if ((followLink ? ::stat(name, &st) : ::lstat(name, &st)) != 0) return 0;
  return st.st_mode & S_IFMT;
}

class ExportFaultsTest : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QTemporaryDir dir_;
};

// A device is written in place and never replaced, through a link too; a
// link to a file writes the file and stays a link.
TEST_F(ExportFaultsTest, OnlyRegularFilesAreReplaced) {
  ASSERT_TRUE(QFile::link(Path("target.svg"), Path("dangling.svg")));
  ASSERT_EQ(
      Export(QStringList{"base"} + kSite + QStringList{"--output", Path("dangling.svg")}).status,
      kExportOk);
  EXPECT_EQ(Mode(Path("dangling.svg")), mode_t(S_IFLNK));
  EXPECT_TRUE(Read(Path("target.svg")).startsWith("<?xml"));
  ASSERT_EQ(
      Export(QStringList{"base"} + kSite + QStringList{"--output", Path("dangling.svg")}).status,
      kExportOk);
  EXPECT_EQ(Mode(Path("dangling.svg")), mode_t(S_IFLNK));  // a link to a file stays a link

  if (::geteuid() != 0) GTEST_SKIP() << "making device nodes needs root";
  // Nodes like /dev/null (1, 3) and /dev/full (1, 7), and links to them.
  ASSERT_EQ(::mknod(QFile::encodeName(Path("null.svg")), S_IFCHR | 0666, makedev(1, 3)), 0);
  ASSERT_EQ(::mknod(QFile::encodeName(Path("full.svg")), S_IFCHR | 0666, makedev(1, 7)), 0);
  ASSERT_TRUE(QFile::link(Path("null.svg"), Path("plate.svg")));
  const struct {
    const char* output;
    int status;
    const char* says;
  } cases[] = {
      {"null.svg", kExportOk, ""},
      {"plate.svg", kExportOk, ""},
      {"full.svg", kExportWriteFailed, ": spazio esaurito sul disco\n"},
  };
  for (const auto& c : cases) {
    const Outcome outcome =
        Export(QStringList{"base"} + kSite + QStringList{"--output", Path(c.output)});
    EXPECT_EQ(outcome.status, c.status) << c.output << outcome.err;
    EXPECT_TRUE(outcome.err.ends_with(c.says)) << outcome.err;
    EXPECT_EQ(Mode(Path(c.output), true), mode_t(S_IFCHR)) << c.output;
  }
  EXPECT_EQ(Mode(Path("plate.svg")), mode_t(S_IFLNK));
}

// A FIFO takes the file when somebody reads it, and is refused at once when
// nobody does; a socket is refused.
TEST_F(ExportFaultsTest, FifoAndSocket) {
  const QString fifo = Path("fifo.svg");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo), 0600), 0);
  const Outcome unread = Export(QStringList{"base"} + kSite + QStringList{"--output", fifo});
  EXPECT_EQ(unread.status, kExportWriteFailed);
  EXPECT_TRUE(unread.err.ends_with(": nessun programma legge dalla FIFO\n")) << unread.err;

  // The reader never blocks for long: should the exporter refuse the FIFO, the
  // test fails after ten seconds instead of waiting for ever.
  QByteArray received;
  std::thread reader([&] {
    const int fd = ::open(QFile::encodeName(fifo), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    for (int waited = 0; waited < 10000; waited += 50) {
      pollfd ready{fd, POLLIN, 0};
      if (::poll(&ready, 1, 50) <= 0) continue;
      char chunk[65536];
      const ssize_t n = ::read(fd, chunk, sizeof chunk);
      if (n > 0) received.append(chunk, n);
      if (n == 0 && !received.isEmpty()) break;  // the writer has closed its end
    }
    ::close(fd);
  });
  Outcome read{};
  for (int tries = 0; tries < 200; ++tries) {  // until the reader has opened its end
    read = Export(QStringList{"base"} + kSite + QStringList{"--output", fifo});
    if (read.status != kExportWriteFailed) break;
    ::usleep(10000);
  }
  reader.join();
  EXPECT_EQ(read.status, kExportOk) << read.err;
  EXPECT_TRUE(received.startsWith("<?xml") && received.endsWith("</svg>\n"));
  EXPECT_EQ(Mode(fifo), mode_t(S_IFIFO));

  const QString socketPath = Path("socket.svg");
  const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray name = QFile::encodeName(socketPath);
  ASSERT_LT(name.size(), qsizetype(sizeof address.sun_path));
  std::copy(name.begin(), name.end(), address.sun_path);
  ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  const Outcome socket = Export(QStringList{"base"} + kSite + QStringList{"--output", socketPath});
  ::close(s);
  EXPECT_EQ(socket.status, kExportWriteFailed);
  EXPECT_TRUE(socket.err.ends_with(": non è un file, né un dispositivo a caratteri o una FIFO\n"))
      << socket.err;
  EXPECT_EQ(Mode(socketPath), mode_t(S_IFSOCK));
}

// A kit that fails on its third file leaves nothing of this run: an old file
// as it was, and a folder this run made gone again.
TEST_F(ExportFaultsTest, KitIsAllOrNothing) {
  int written = 0;
  const DiskSink::DeviceWriter thirdFails = [&written](QIODevice& device, const QByteArray& bytes) {
    if (++written == 3) {
      device.write(bytes.left(bytes.size() / 2));
      return false;
    }
    return device.write(bytes) == bytes.size();
  };
  ASSERT_TRUE(QDir(dir_.path()).mkdir("kit"));
  QFile previous(Path("kit/plate-a.svg"));
  ASSERT_TRUE(previous.open(QIODevice::WriteOnly) && previous.write("previous") == 8);
  previous.close();
  for (const char* folder : {"kit", "new"}) {
    written = 0;
    DiskSink sink(thirdFails);
    const Outcome outcome =
        Export(QStringList{"all"} + kSite + QStringList{"--output", Path(folder)}, &sink);
    EXPECT_EQ(outcome.status, kExportWriteFailed);
    EXPECT_TRUE(
        outcome.err.ends_with("plate-c.svg: errore di scrittura; nessun file del kit è stato "
                              "scritto\n"))
        << outcome.err;
  }
  EXPECT_EQ(QDir(Path("kit")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"plate-a.svg"});
  EXPECT_EQ(Read(Path("kit/plate-a.svg")), "previous");
  EXPECT_FALSE(QFileInfo::exists(Path("new")));
  // Whole, it replaces the old file.
  ASSERT_EQ(Export(QStringList{"all"} + kSite + QStringList{"--output", Path("kit")}).status,
            kExportOk);
  EXPECT_EQ(QDir(Path("kit")).entryList(QDir::Files).size(), 6);
  EXPECT_TRUE(Read(Path("kit/plate-a.svg")).startsWith("<?xml"));
}

// A kit run killed at any moment while it replaces a kit leaves, once the
// next run into the folder has settled it, the old kit whole or the new one
// whole, and nothing beside them: the real program, killed with SIGKILL at
// moments spread over its run.
TEST_F(ExportFaultsTest, KitKilledAtAnyMomentIsOldOrNew) {
  const QString kit = Path("kit");
  const auto run = [&](const char* latitude, int killAfterMs) {
    QProcess exporter;
    exporter.start(QUINDAL_EXPORTER, {"all", "--latitude", latitude, "--longitude", "0", "--format",
                                      "svg", "--output", kit});
    if (!exporter.waitForStarted(10000)) return -1;
    if (killAfterMs >= 0 && !exporter.waitForFinished(killAfterMs)) {
      ::kill(pid_t(exporter.processId()), SIGKILL);
    }
    exporter.waitForFinished(60000);
    return exporter.exitStatus() == QProcess::NormalExit ? exporter.exitCode() : -2;
  };
  const auto contents = [&] {
    std::map<QString, QByteArray> files;
    for (const QString& name :
         QDir(kit).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
      files[name] = Read(QDir(kit).filePath(name));
    return files;
  };
  ASSERT_EQ(run("46", -1), kExportOk);
  const auto newKit = contents();
  QElapsedTimer clock;
  clock.start();
  ASSERT_EQ(run("45", -1), kExportOk);
  const auto oldKit = contents();
  const int runMs = int(clock.elapsed());
  ASSERT_EQ(oldKit.size(), 6u);
  ASSERT_NE(oldKit, newKit);
  // A run killed long ago left one of these beside the files.
  QFile stale(QDir(kit).filePath("base.svg.quindal-4242-precedente"));
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly) && stale.write("vecchio") == 7);
  stale.close();
  int old = 0, renewed = 0;
  // Most of a run is drawing; the kills gather where the files are written.
  // A loaded machine runs slower than the run measured: the last ones let
  // a slow run reach its end.
  for (const int percent : {30, 60, 80, 90, 95, 100, 110, 150, 250}) {
    run("46", runMs * percent / 100);
    SettleKilledKitRun(kit);
    const auto now = contents();
    EXPECT_TRUE(now == oldKit || now == newKit) << "killed at " << percent << " % of a run";
    (now == oldKit ? old : renewed) += 1;
    if (now == newKit) {
      ASSERT_EQ(run("45", -1), kExportOk);  // the old kit again
    }
  }
  EXPECT_GT(old, 0);  // the kills fell both before and after the new kit took over
  EXPECT_GT(renewed, 0);
}

// Any name the file system takes is taken, as it was given: a name of 251
// bytes (the temporary file beside it has a short name of its own), one of
// two-byte letters; a name whose bytes are not UTF-8 is refused, never
// written under another name.
TEST_F(ExportFaultsTest, EveryNameAsGivenOrRefused) {
  const QString longName = QString(247, u'a') + ".pdf", accented = QString(100, u'é') + ".pdf";
  for (const QStringList& command :
       {QStringList{"C"}, QStringList{"all"}, QStringList{"fascicolo", "--timezone", "Etc/UTC"}}) {
    for (const QString& name : {longName, accented}) {
      SCOPED_TRACE((command.front() + " " + name).toStdString());
      const Outcome outcome = Export(command + kSite + QStringList{"--output", Path(name)});
      EXPECT_EQ(outcome.status, kExportOk) << outcome.err;
      EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                QStringList{name});
      QFile::remove(Path(name));
    }
  }
  QProcess exporter;
  exporter.setWorkingDirectory(dir_.path());
  exporter.start("bash", {"-c", "\"$0\" C --latitude 45 --longitude 0 --output $'\\xe9t\\xe9.pdf'",
                          QUINDAL_EXPORTER});
  ASSERT_TRUE(exporter.waitForFinished(60000));
  EXPECT_EQ(exporter.exitCode(), kExportUsage);
  EXPECT_TRUE(exporter.readAllStandardError().startsWith(
      "quindal-export: l'argomento 7 non è testo UTF-8"));
  EXPECT_TRUE(QDir(dir_.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

// A stream whose every write fails, as a closed or full standard output.
class FailingBuffer final : public std::streambuf {
 protected:
  int overflow(int) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

// What is printed must arrive: a lost listing is a failure, in process and
// through the real program's standard output.
TEST_F(ExportFaultsTest, LostStandardOutputIsAFailure) {
  for (const QStringList& arguments :
       {QStringList{"--help"}, QStringList{"--version"}, QStringList{"places", "Treviso"}}) {
    FailingBuffer failing;
    std::ostream out(&failing);
    std::ostringstream err;
    DiskSink disk;
    EXPECT_EQ(RunExport(arguments, out, err, disk), kExportWriteFailed)
        << arguments.join(' ').toStdString();
    EXPECT_TRUE(err.str().starts_with("quindal-export: impossibile scrivere sullo standard output"))
        << err.str();
  }
  const struct {
    const char* redirect;
    const char* says;
  } shells[] = {{"--version >/dev/full", "spazio esaurito sul disco"},
                {"--version >&-", "è chiuso"},
                {"--help >/dev/full", "spazio esaurito sul disco"}};
  for (const auto& c : shells) {
    QProcess exporter;
    exporter.start("bash", {"-c", QString("\"$0\" %1").arg(c.redirect), QUINDAL_EXPORTER});
    ASSERT_TRUE(exporter.waitForFinished(60000));
    EXPECT_EQ(exporter.exitCode(), kExportWriteFailed) << c.redirect;
    EXPECT_EQ(exporter.readAllStandardError().toStdString(),
              std::string("quindal-export: impossibile scrivere sullo standard output: ") + c.says +
                  "\n");
  }
}

// A megabyte given as a value comes back as its first 80 characters.
TEST_F(ExportFaultsTest, RunawayValuesAreNotEchoed) {
  const QString huge(1 << 20, u'x');
  const QList<QStringList> cases = {
      {"B", "--place", huge, "--output", Path("p.svg")},
      {"B", "--latitude", "45", "--site-longitude", huge, "--timezone", "Europe/Rome", "--output",
       Path("p.svg")},
      {"B", "--latitude", "45", "--site-longitude", "12", "--timezone", huge, "--output",
       Path("p.svg")},
      {"B", "--latitude", "45", "--longitude", "0", "--output", Path(huge + ".svg")},
      {"B", "--latitude", "45", "--longitude", "0", "--output", huge + ".txt"},
      {"B", "--" + huge},
  };
  for (const QStringList& arguments : cases) {
    const Outcome outcome = Export(arguments);
    EXPECT_NE(outcome.status, kExportOk);
    EXPECT_LT(outcome.err.size(), 400u) << outcome.err.substr(0, 200);
    EXPECT_NE(outcome.err.find(std::string(20, 'x') + "…"), std::string::npos)
        << outcome.err.substr(0, 200);
  }
  EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

// Without the font every word would be missing from the file: nothing is
// written, and the message names the package.
TEST_F(ExportFaultsTest, MissingFontWritesNothing) {
  QFile config(Path("fonts.conf"));
  ASSERT_TRUE(config.open(QIODevice::WriteOnly));
  config.write("<?xml version=\"1.0\"?>\n<fontconfig><cachedir>" +
               QFile::encodeName(Path("cache")) + "</cachedir></fontconfig>\n");
  config.close();
  QProcess exporter;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("FONTCONFIG_FILE", Path("fonts.conf"));
  exporter.setProcessEnvironment(environment);
  exporter.start(QUINDAL_EXPORTER,
                 QStringList{"C"} + kSite + QStringList{"--output", Path("c.pdf")});
  ASSERT_TRUE(exporter.waitForFinished(60000));
  EXPECT_EQ(exporter.exitCode(), kExportWriteFailed);
  EXPECT_EQ(exporter.readAllStandardError().toStdString(),
            "quindal-export: manca il carattere Liberation Sans, con cui il quindal scrive: "
            "installare il pacchetto fonts-liberation2; nessun file scritto\n");
  EXPECT_FALSE(QFileInfo::exists(Path("c.pdf")));
}

// A site given by its longitude exactly 15° from its zone's meridian draws,
// as typing 15 into the box does.
TEST_F(ExportFaultsTest, TheLastDegreeDraws) {
  for (const auto& [longitude, zone] :
       {std::pair{"30 E", "Europe/Rome"}, std::pair{"0", "Etc/GMT-1"}}) {
    const Outcome outcome = Export({"B", "--latitude", "45", "--site-longitude", longitude,
                                    "--timezone", zone, "--output", Path("b.svg")});
    EXPECT_EQ(outcome.status, kExportOk) << outcome.err;
  }
}

}  // namespace
