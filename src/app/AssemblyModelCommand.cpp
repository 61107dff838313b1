#include <QFileInfo>

#include "app/ExportCommands.h"
#include "app/Exporter.h"
#include "app/ExporterWords.h"
#include "devices/WindowFont.h"
#include "instrument/GltfFile.h"
#include "pieces/Pieces.h"

bool AssemblyModelCommand::Read(const CommandLine& line, FileSink&, std::string& problem) {
  if (!ReadSiteCommand(line, project_, false, false, at_, problem)) return false;
  if (!ReadOutput(line, output_, problem)) return false;
  const QString suffix = QFileInfo(output_).suffix().toLower();
  if (line.Value("format") || line.parser.isSet(QStringLiteral("taglio")) || at_ ||
      (suffix != "gltf" && suffix != "glb")) {
    problem =
        Said(Exporter::tr("montaggio scrive un modello glTF: --output FILE.gltf o FILE.glb, niente "
                          "--format, --taglio né --at"));
    return false;
  }
  binary_ = suffix == "glb";
  return ReadDatesAndYear(project_.Dates(), std::nullopt, problem);
}

int AssemblyModelCommand::Run(ExportIo io) {
  int status = kExportOk;
  // The model carries the drawings of the pieces that are cut.
  std::vector<const Piece*> cut;
  for (const Piece* piece : AllPieces())
    if (piece->cut) cut.push_back(piece);
  const std::optional<CheckedProject> project = project_.Resolve(cut, io.err, status);
  if (!project) return status;
  if (!WindowFontInstalled()) {
    io.err << NoWindowFont();
    return kExportWriteFailed;
  }
  const QByteArray model = InstrumentModelFile(*project, binary_);
  return WriteOutput(io, output_, model) ? kExportOk : kExportWriteFailed;
}
