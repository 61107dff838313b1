#include "app/ExportCommands.h"
#include "app/Exporter.h"
#include "app/ExporterWords.h"
#include "drawing/ShownValue.h"
#include "pieces/Pieces.h"
#include "project/ProjectFile.h"

bool ProjectFileCommand::Read(const CommandLine& line, FileSink&, std::string& problem) {
  if (!ReadSiteCommand(line, project_, true, true, at_, problem)) return false;
  const std::optional<QString> output = line.Value("output");
  if (at_ || line.Value("format") || line.parser.isSet(QStringLiteral("taglio")) || !output ||
      !output->endsWith(QStringLiteral(".") + kProjectExtension, Qt::CaseInsensitive)) {
    problem =
        Said(Exporter::tr("progetto scrive un file di progetto: --output FILE.quindal, niente "
                          "--format, --taglio né --at"));
    return false;
  }
  output_ = *output;
  return ReadDatesAndYear(project_.Dates(), project_.Year(), problem);
}

int ProjectFileCommand::Run(ExportIo io) {
  int status = kExportOk;
  // A project is kept for every sheet: checked as the kit is.
  const std::optional<CheckedProject> project = project_.Resolve(AllPieces(), io.err, status);
  if (!project) return status;
  return WriteOutput(io, output_, ProjectFileBytes(*project)) ? kExportOk : kExportWriteFailed;
}
