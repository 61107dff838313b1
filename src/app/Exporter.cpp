#include "app/Exporter.h"

#include <cerrno>
#include <optional>

#include "app/CommandLine.h"
#include "app/ExportCommand.h"
#include "app/ExporterWords.h"
#include "devices/DrawingFile.h"
#include "drawing/ShownValue.h"
#include "language/Language.h"

namespace {

int RunCommand(const QStringList& arguments, std::ostream& out, std::ostream& err, FileSink& files);

}  // namespace

int RunExport(const QStringList& arguments, std::ostream& out, std::ostream& err) {
  DiskSink disk;
  return RunExport(arguments, out, err, disk);
}

int RunExport(const QStringList& arguments, std::ostream& out, std::ostream& err, FileSink& files) {
  // The language --lingua names, else the system's, before the parser, whose
  // words and help are in it; a wrong value is the parser's to refuse.
  UseLanguage(ReadLanguageOption(arguments).language.value_or(LanguageOfSystem()));
  errno = 0;
  const int status = RunCommand(arguments, out, err, files);
  // What was printed must have arrived: a listing lost to a closed or full
  // standard output is a failure, not a success. A long text (the help) meets
  // the failure while it is written, a short one at the flush: either way
  // the system's reason is the one that write left.
  int error = errno;
  if (out.good()) {
    errno = 0;
    out.flush();
    error = errno;
  }
  if (out.good()) return status;
  err << "quindal-export: "
      << Said(Exporter::tr("impossibile scrivere sullo standard output: %1")
                  .arg(FailureReason(error)))
      << "\n";
  return kExportWriteFailed;
}

namespace {

// The first word, the command, as the line gives it; otherwise why not.
std::optional<QString> CommandWord(const CommandLine& line, std::string& problem) {
  const std::optional<QString> zone = line.Value("timezone");
  // An empty zone would quietly mean the system's.
  if (zone && zone->trimmed().isEmpty()) {
    problem = Said(Exporter::tr("--timezone vuole un fuso orario, come Europe/Rome"));
    return std::nullopt;
  }
  const QStringList words = line.parser.positionalArguments();
  if (words.isEmpty()) {
    problem = Said(Exporter::tr("manca il pezzo"));
    return std::nullopt;
  }
  const QString command = words.front().toLower();
  if (words.size() > (command == "places" ? 2 : 1)) {
    problem = Said(Exporter::tr("un solo pezzo per volta: %1").arg(ShownValue(words[1])));
    return std::nullopt;
  }
  return command;
}

int RunCommand(const QStringList& arguments, std::ostream& out, std::ostream& err,
               FileSink& files) {
  CommandLine line;
  switch (line.Read(arguments)) {
    case CommandLine::Help: out << line.HelpText().toStdString(); return kExportOk;
    case CommandLine::Version:
      out << "quindal-export " << QUINDAL_VERSION << "\n";
      return kExportOk;
    case CommandLine::Mistake:
      err << "quindal-export: " << line.problem.toStdString() << "\n" << HelpHint();
      return kExportUsage;
    case CommandLine::Understood: break;
  }
  std::string problem;
  const std::optional<QString> word = CommandWord(line, problem);
  std::unique_ptr<ExportCommand> command = word ? CommandNamed(*word) : nullptr;
  if (!command || !command->Read(line, files, problem)) {
    err << "quindal-export: " << problem << "\n" << HelpHint();
    return kExportUsage;
  }
  return command->Run({out, err, files});
}

}  // namespace
