#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "app/CommandLine.h"
#include "app/ExportSite.h"
#include "project/ProjectCheck.h"

class FileSink;
struct Piece;

// Where a command's words and files go.
struct ExportIo {
  std::ostream& out;
  std::ostream& err;
  FileSink& files;
};

// One command of quindal-export: it reads its own options from the parsed
// line, then does its work.
class ExportCommand {
 public:
  virtual ~ExportCommand() = default;
  // Reads the options; false with the mistake in `problem`.
  virtual bool Read(const CommandLine& line, FileSink& files, std::string& problem) = 0;
  // The exit status.
  virtual int Run(ExportIo io) = 0;
};

// The command the first word names (a piece, all, fascicolo, ombra, places,
// progetto, montaggio), or null.
std::unique_ptr<ExportCommand> CommandNamed(const QString& word);

// Every command with what it does and its own options, for --help.
QString CommandsHelp();

// What the user chose, as the options give it: a project file, the site, the
// hour system, the date lines and the booklet's year, the options overriding
// the file's values.
class ProjectOptions {
 public:
  // Reads them; false with the mistake in `problem`. `clockZone`: the command
  // keeps clocks, and --timezone may name their zone beside any site.
  bool Read(const CommandLine& line, bool clockZone, std::string& problem);
  // The project: the file read, the site resolved, the options applied, then
  // checked for `sheets`. Nothing with the exit status: 2 for a file that is
  // not a project or a site that cannot be found, 1 for values refused.
  std::optional<CheckedProject> Resolve(const std::vector<const Piece*>& sheets, std::ostream& err,
                                        int& status) const;
  HourSystem Hours() const;
  const std::optional<QString>& Dates() const { return dates_; }
  const std::optional<QString>& Year() const { return year_; }

 private:
  std::optional<QString> file_, hours_, dates_, year_;
  SiteRequest site_;
};

// --anno and --dates, when given, are what they must be; else says why.
bool ReadDatesAndYear(const std::optional<QString>& dates, const std::optional<QString>& year,
                      std::string& problem);

// The refusal on standard error: "Valori non consentiti !!!", then why.
void PrintRefusal(std::ostream& err, const QString& reason);
