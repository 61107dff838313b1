#include "app/ExportCommands.h"
#include "app/Exporter.h"
#include "app/ExporterWords.h"
#include "app/ShadowCommand.h"
#include "pieces/Pieces.h"

bool ShadowReadingCommand::Read(const CommandLine& line, FileSink&, std::string& problem) {
  if (!ReadSiteCommand(line, project_, false, true, at_, problem)) return false;
  if (line.Value("output") || line.Value("format") || line.parser.isSet(QStringLiteral("taglio"))) {
    problem = Said(
        Exporter::tr("ombra scrive sullo standard output: niente --output, --format né --taglio"));
    return false;
  }
  return true;
}

int ShadowReadingCommand::Run(ExportIo io) {
  int status = kExportOk;
  // The dial's checks, then the reading at the instant (now when none was given).
  const std::optional<CheckedProject> project =
      project_.Resolve({PieceShowing(ShadowShown::OnDial)}, io.err, status);
  if (!project) return status;
  const ClockReading at = at_ ? *at_ : ClockNow(project->project.ClockZone());
  const ShadowOutcome outcome = ShadowAt({*project, at.date, at.time});
  if (!outcome.reading) {
    io.err << "quindal-export: " << outcome.problem.toStdString() << "\n";
    return kExportUsage;
  }
  PrintShadow(*outcome.reading, io.out, io.err);
  return kExportOk;
}
