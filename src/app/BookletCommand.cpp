#include "app/ExportCommands.h"
#include "app/Exporter.h"
#include "app/ExporterWords.h"
#include "booklet/Booklet.h"
#include "devices/WindowFont.h"
#include "pieces/Pieces.h"

bool BookletCommand::Read(const CommandLine& line, FileSink&, std::string& problem) {
  if (!ReadSiteCommand(line, project_, true, true, at_, problem)) return false;
  if (!ReadOutput(line, output_, problem)) return false;
  if (line.Value("format") || line.parser.isSet(QStringLiteral("taglio")) || at_ ||
      FormatOfPath(output_) != FileFormat::Pdf) {
    problem = Said(Exporter::tr(
        "fascicolo scrive un file PDF: --output FILE.pdf, niente --format, --taglio né --at"));
    return false;
  }
  return ReadDatesAndYear(project_.Dates(), project_.Year(), problem);
}

int BookletCommand::Run(ExportIo io) {
  int status = kExportOk;
  // Checked for the six sheets without drawing them: the booklet draws each once.
  const std::optional<CheckedProject> project = project_.Resolve(AllPieces(), io.err, status);
  if (!project) return status;
  if (!WindowFontInstalled()) {
    io.err << NoWindowFont();
    return kExportWriteFailed;
  }
  return WriteOutput(io, output_, RenderBooklet(*project)) ? kExportOk : kExportWriteFailed;
}
