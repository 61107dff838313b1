#pragma once

#include <vector>

#include "app/ExportCommand.h"
#include "devices/FileFormats.h"
#include "shadow/ClockInstant.h"

struct Piece;

// A command for a site: what the user chose, where it goes, and the instant.
class SiteCommand : public ExportCommand {
 protected:
  ProjectOptions project_;
  QString output_;
  std::optional<ClockReading> at_;
};

// A piece into one file, or `all`, the kit: a PDF of six pages or a folder
// of files. --output, --format, --taglio, --at.
class SheetsCommand final : public SiteCommand {
 public:
  explicit SheetsCommand(QString name) : name_(std::move(name)) {}
  bool Read(const CommandLine& line, FileSink& files, std::string& problem) override;
  int Run(ExportIo io) override;

 private:
  bool ReadKit(const std::optional<QString>& format, std::string& problem);
  bool ReadPiece(const std::optional<QString>& format, std::string& problem);
  bool ForCutter(std::string& problem);
  int WriteFolder(ExportIo io, const std::vector<QByteArray>& files);

  QString name_;
  std::vector<const Piece*> sheets_;
  FileFormat format_ = FileFormat::Svg;
  bool all_ = false, intoFolder_ = false, forCutter_ = false, folderExisted_ = false;
};

// `fascicolo`: the booklet, one PDF, for --anno.
class BookletCommand final : public SiteCommand {
  bool Read(const CommandLine& line, FileSink& files, std::string& problem) override;
  int Run(ExportIo io) override;
};

// `ombra`: what the instrument shows at --at, one "key<TAB>value" a line.
class ShadowReadingCommand final : public SiteCommand {
  bool Read(const CommandLine& line, FileSink& files, std::string& problem) override;
  int Run(ExportIo io) override;
};

// `montaggio`: the assembled instrument, a glTF model (.gltf, or .glb).
class AssemblyModelCommand final : public SiteCommand {
  bool Read(const CommandLine& line, FileSink& files, std::string& problem) override;
  int Run(ExportIo io) override;

  bool binary_ = false;
};

// `progetto`: the project the options give, into a .quindal file.
class ProjectFileCommand final : public SiteCommand {
  bool Read(const CommandLine& line, FileSink& files, std::string& problem) override;
  int Run(ExportIo io) override;
};

// `places TEXT`: the towns that match, one a line.
class PlacesCommand final : public ExportCommand {
  bool Read(const CommandLine& line, FileSink& files, std::string& problem) override;
  int Run(ExportIo io) override;

  QString text_;
};

// The options every command that draws a site reads first, in their order:
// --at, --anno (only where `takesYear`), the site and the project. Where the
// command `keepsClocks`, or at an instant, --timezone may name the clocks'
// zone beside any site.
bool ReadSiteCommand(const CommandLine& line, ProjectOptions& project, bool takesYear,
                     bool keepsClocks, std::optional<ClockReading>& at, std::string& problem);

// --at's value, read; false with why when it is no instant.
bool ReadInstant(const CommandLine& line, std::optional<ClockReading>& at, std::string& problem);

// --output's value; when it is missing, says so.
bool ReadOutput(const CommandLine& line, QString& output, std::string& problem);

// Writes `bytes` to `path`, or says why not on `err`.
bool WriteOutput(ExportIo io, const QString& path, const QByteArray& bytes);
