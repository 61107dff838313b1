#pragma once

#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

// A CUPS server of the test's own: its configuration, spool, logs, cache,
// state and socket under a temporary folder, listening on 127.0.0.1 on a
// free port, never the machine's own server. Its queues print through
// cups-filters' generic PDF driver (pdftopdf applies number-up and fitting)
// into a PDF file each, in the same folder. Stopped by its process id when
// the object goes, pass or fail.
class PrivateCups {
 public:
  static bool Installed() {
    return QFileInfo::exists("/usr/sbin/cupsd") && QFileInfo::exists("/usr/sbin/lpadmin") &&
           QFileInfo::exists(kGenericPdf);
  }

  PrivateCups() {
    root_.setAutoRemove(true);
    const QString r = root_.path();
    // The filters run as user lp: the folders must let them in.
    QFile::setPermissions(r, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                 QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                 QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                 QFileDevice::ExeOther);
    for (const char* sub : {"etc/ppd", "cache", "state", "spool/tmp", "log", "out"})
      QDir(r).mkpath(sub);
    QProcess::execute("chmod", {"1777", r + "/spool/tmp", r + "/out"});
    port_ = FreePort();
    Write("etc/cupsd.conf",
          QStringLiteral(
              "Listen 127.0.0.1:%1\nListen %2/cups.sock\nLogLevel info\nWebInterface No\n"
              "Browsing Off\nDefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n"
              "</Location>\n<Policy default>\n  <Limit All>\n    Order allow,deny\n    Allow all\n"
              "  </Limit>\n</Policy>\n")
              .arg(port_)
              .arg(r));
    Write("etc/cups-files.conf",
          QStringLiteral("FileDevice Yes\nServerRoot %1/etc\nCacheDir %1/cache\nStateDir %1/state\n"
                         "RequestRoot %1/spool\nTempDir %1/spool/tmp\nAccessLog %1/log/access_log\n"
                         "ErrorLog %1/log/error_log\nPageLog %1/log/page_log\nUser lp\nGroup lp\n"
                         "SystemGroup root\nPrintcap %1/printcap\n")
              .arg(r));
    daemon_.setProgram("/usr/sbin/cupsd");
    daemon_.setArguments({"-f", "-c", r + "/etc/cupsd.conf", "-s", r + "/etc/cups-files.conf"});
    daemon_.setProcessChannelMode(QProcess::MergedChannels);
    daemon_.start();
    for (int k = 0; k < 100 && !Answers(); ++k) QThread::msleep(50);
  }

  ~PrivateCups() {
    daemon_.terminate();
    if (!daemon_.waitForFinished(5000)) daemon_.kill();
    daemon_.waitForFinished(2000);
  }

  PrivateCups(const PrivateCups&) = delete;
  PrivateCups& operator=(const PrivateCups&) = delete;

  bool Running() const { return daemon_.state() != QProcess::NotRunning && Answers(); }
  int State() const { return daemon_.state(); }
  QString Server() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }

  // A paper a queue may offer besides its driver's: a name and its size in points.
  struct Paper {
    QByteArray name;
    int width, height;
  };

  // A queue printing into Output(name), on the generic PDF driver with every
  // sheet's unprintable margin set to `marginPoints`, and `options` as its
  // defaults (lpadmin -o); with `onlyPaper` ("A5") it offers that paper alone,
  // and it offers `extraPapers` too.
  bool AddQueue(const QString& name, int marginPoints, const QStringList& options = {},
                const QByteArray& onlyPaper = {}, const std::vector<Paper>& extraPapers = {}) {
    const QString ppd = root_.filePath("etc/" + name + ".ppd");
    QFile in(kGenericPdf), out(ppd);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) return false;
    for (QByteArray line : in.readAll().split('\n')) {
      if (!onlyPaper.isEmpty() && IsPaperLine(line)) {
        if (line.contains(":") && line.startsWith("*Default")) {
          line = line.left(line.indexOf(':') + 1) + " " + onlyPaper;
        } else if (!line.contains(" " + onlyPaper + "/") && !line.contains(" " + onlyPaper + ".")) {
          continue;
        }
      }
      // *ImageableArea A4/A4: "18 36 577 806" -> the margins asked for.
      if (line.startsWith("*ImageableArea ")) {
        const QList<QByteArray> parts = line.mid(line.indexOf('"') + 1).chopped(1).split(' ');
        const QByteArray key = line.left(line.indexOf('"'));
        const QString dimension = Dimension(key.mid(15, key.indexOf('/') - 15));
        if (parts.size() == 4 && !dimension.isEmpty()) {
          const QStringList wh = dimension.split(' ');
          line = key + QStringLiteral("\"%1 %1 %2 %3\"")
                           .arg(marginPoints)
                           .arg(wh[0].toDouble() - marginPoints)
                           .arg(wh[1].toDouble() - marginPoints)
                           .toUtf8();
        }
      }
      out.write(line + '\n');
      // Each extra paper beside A4, in each of the four lists of papers.
      for (const char* key : {"PageSize", "PageRegion", "ImageableArea", "PaperDimension"}) {
        if (!line.startsWith(QByteArray("*") + key + " A4/A4:")) continue;
        for (const Paper& p : extraPapers) {
          const QByteArray head = QByteArray("*") + key + " " + p.name + "/" + p.name + ": ";
          if (line.startsWith("*ImageableArea")) {
            out.write(head + QStringLiteral("\"%1 %1 %2 %3\"\n")
                                 .arg(marginPoints)
                                 .arg(p.width - marginPoints)
                                 .arg(p.height - marginPoints)
                                 .toUtf8());
          } else if (line.startsWith("*PaperDimension")) {
            out.write(head + QStringLiteral("\"%1 %2\"\n").arg(p.width).arg(p.height).toUtf8());
          } else {
            out.write(head + "\"\"\n");
          }
        }
      }
    }
    out.close();
    QStringList arguments = {"-h", Server(), "-p", name, "-E", "-v", "file://" + Output(name),
                             "-P", ppd};
    for (const QString& option : options) arguments << "-o" << option;
    return Run("/usr/sbin/lpadmin", arguments) == 0;
  }

  QString Output(const QString& queue) const { return root_.filePath("out/" + queue + ".pdf"); }

  // Waits until no job is pending on the server; true when it emptied.
  bool WaitForJobs() const {
    for (int k = 0; k < 300; ++k) {
      QProcess lpstat;
      lpstat.start("lpstat", {"-h", Server(), "-o"});
      lpstat.waitForFinished();
      if (lpstat.exitCode() == 0 && lpstat.readAllStandardOutput().trimmed().isEmpty()) return true;
      QThread::msleep(100);
    }
    return false;
  }

  QString ErrorLog() const {
    QFile log(root_.filePath("log/error_log"));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
  }

 private:
  static constexpr const char* kGenericPdf =
      "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";

  // The lines of a PPD that offer, or default to, a paper.
  static bool IsPaperLine(const QByteArray& line) {
    for (const char* key : {"PageSize", "PageRegion", "ImageableArea", "PaperDimension"}) {
      if (line.startsWith(QByteArray("*") + key + " ") ||
          line.startsWith(QByteArray("*Default") + key + ":"))
        return true;
    }
    return false;
  }

  static int FreePort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(s);
    return ntohs(address.sin_port);
  }

  // The sheet's size in points from the PPD's *PaperDimension line.
  QString Dimension(const QByteArray& size) const {
    QFile in(kGenericPdf);
    if (!in.open(QIODevice::ReadOnly)) return {};
    for (const QByteArray& line : in.readAll().split('\n')) {
      if (line.startsWith("*PaperDimension " + size + "/")) {
        return QString::fromUtf8(line.mid(line.indexOf('"') + 1).chopped(1));
      }
    }
    return {};
  }

  bool Answers() const {
    QProcess lpstat;
    lpstat.start("lpstat", {"-h", Server(), "-r"});
    lpstat.waitForFinished(5000);
    const QByteArray said = lpstat.readAllStandardOutput();
    return said.contains("is running") && !said.contains("not running");
  }

  static int Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000)) return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  }

  void Write(const QString& name, const QString& text) {
    QFile file(root_.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(text.toUtf8());
  }

  QTemporaryDir root_;
  int port_ = 0;
  QProcess daemon_;
};
