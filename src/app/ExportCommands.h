#pragma once

#include <vector>

#include "app/ExportCommand.h"
#include "devices/FileFormats.h"
#include "shadow/ClockInstant.h"

struct Piece;

// A piece into one file, or `all`, the kit: a PDF of six pages or a folder
// of files. --output, --format, --taglio, --at.
class SheetsCommand final : public ExportCommand {
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
  ProjectOptions project_;
  std::vector<const Piece*> sheets_;
  QString output_;
  FileFormat format_ = FileFormat::Svg;
  bool all_ = false, intoFolder_ = false, forCutter_ = false, folderExisted_ = false;
  std::optional<ClockReading> at_;
};

// `fascicolo`: the booklet, one PDF, for --anno.
class BookletCommand final : public ExportCommand {
 public:
  bool Read(const CommandLine& line, FileSink& files, std::string& problem) override;
  int Run(ExportIo io) override;

 private:
  ProjectOptions project_;
  QString output_;
};

// `ombra`: what the instrument shows at --at, one "key<TAB>value" a line.
class ShadowReadingCommand final : public ExportCommand {
 public:
  bool Read(const CommandLine& line, FileSink& files, std::string& problem) override;
  int Run(ExportIo io) override;

 private:
  ProjectOptions project_;
  std::optional<ClockReading> at_;
};

// `places TEXT`: the towns that match, one a line.
class PlacesCommand final : public ExportCommand {
 public:
  bool Read(const CommandLine& line, FileSink& files, std::string& problem) override;
  int Run(ExportIo io) override;

 private:
  QString text_;
};

// `progetto`: the project the options give, into a .quindal file.
class ProjectFileCommand final : public ExportCommand {
 public:
  bool Read(const CommandLine& line, FileSink& files, std::string& problem) override;
  int Run(ExportIo io) override;

 private:
  ProjectOptions project_;
  QString output_;
};

// The options every command that draws a site reads first, in their order:
// --at, --anno (only where `takesYear`), the site and the project. Where the
// command `keepsClocks`, or at an instant, --timezone may name the clocks'
// zone beside any site.
bool ReadSiteCommand(const CommandLine& line, ProjectOptions& project, bool takesYear,
                     bool keepsClocks, std::optional<ClockReading>& at, std::string& problem);

// --at's value, read; false with why when it is no instant.
bool ReadInstant(const CommandLine& line, std::optional<ClockReading>& at, std::string& problem);

// Writes `bytes` to `path`, or says why not on `err`.
bool WriteOutput(ExportIo io, const QString& path, const QByteArray& bytes);
