#include <QDir>

#include "app/ExportCommands.h"
#include "app/Exporter.h"
#include "app/ExporterWords.h"
#include "app/ShadowCommand.h"
#include "devices/DrawingFile.h"
#include "devices/ExportDevices.h"
#include "devices/RecordingCanvas.h"
#include "devices/WindowFont.h"
#include "drawing/DocumentTitle.h"
#include "drawing/ShownValue.h"
#include "pieces/Pieces.h"

namespace {

std::string AtOnlyOnPlates() {
  return Said(Exporter::tr("--at vale con ombra, o con C o B in un file PNG, PDF o SVG"));
}

}  // namespace

bool SheetsCommand::Read(const CommandLine& line, FileSink& files, std::string& problem) {
  if (!ReadSiteCommand(line, project_, false, false, at_, problem)) return false;
  if (!ReadOutput(line, output_, problem)) return false;
  if (!ReadDatesAndYear(project_.Dates(), std::nullopt, problem)) return false;
  forCutter_ = line.parser.isSet(QStringLiteral("taglio"));
  folderExisted_ = files.IsFolder(output_);
  return name_ == "all" ? ReadKit(line.Value("format"), problem)
                        : ReadPiece(line.Value("format"), problem);
}

// --taglio asks an SVG for the cutter; a DXF is one already.
bool SheetsCommand::ForCutter(std::string& problem) {
  if (!forCutter_ || format_ == FileFormat::Dxf) return true;
  if (format_ != FileFormat::Svg) {
    problem = Said(Exporter::tr("--taglio vale con SVG (e DXF, che è già per il taglio)"));
    return false;
  }
  format_ = FileFormat::CutSvg;
  return true;
}

bool SheetsCommand::ReadKit(const std::optional<QString>& format, std::string& problem) {
  if (at_) {
    problem = AtOnlyOnPlates();
    return false;
  }
  all_ = true;
  sheets_ = AllPieces();
  const std::optional<FileFormat> extension = FormatOfPath(output_);
  if (extension == FileFormat::Pdf && !folderExisted_ && !format) {
    format_ = FileFormat::Pdf;
    return ForCutter(problem);
  }
  if (extension && !folderExisted_) {
    problem = Said(Exporter::tr("all scrive un PDF o una cartella: %1").arg(ShownValue(output_)));
    return false;
  }
  const std::optional<FileFormat> named = FormatNamed(format.value_or("svg"));
  if (!named) {
    QStringList names = FormatNames(QStringLiteral("|")).split(u'|');
    const QString last = names.takeLast();
    problem =
        Said(Exporter::tr("--format vuole %1 o %2").arg(names.join(QStringLiteral(", ")), last));
    return false;
  }
  intoFolder_ = true;
  format_ = *named;
  return ForCutter(problem);
}

bool SheetsCommand::ReadPiece(const std::optional<QString>& format, std::string& problem) {
  const Piece* named = nullptr;
  for (const Piece& candidate : kPieces)
    if (QString::fromUtf8(candidate.name).toLower() == name_) named = &candidate;
  if (!named) {
    problem = Said(Exporter::tr("pezzo sconosciuto: %1").arg(ShownValue(name_)));
    return false;
  }
  sheets_ = {named};
  if (format) {
    problem = Said(Exporter::tr("--format vale solo con all"));
    return false;
  }
  const std::optional<FileFormat> extension = FormatOfPath(output_);
  if (!extension) {
    problem =
        Said(Exporter::tr("estensione del file non riconosciuta: %1").arg(ShownValue(output_)));
    return false;
  }
  format_ = *extension;
  if (forCutter_ && !named->cut) {
    problem = Said(Exporter::tr("%1 si stampa, non si taglia: niente --taglio")
                       .arg(QString::fromUtf8(named->fileStem)));
    return false;
  }
  if (!ForCutter(problem)) return false;
  const bool shadowFormat =
      format_ == FileFormat::Png || format_ == FileFormat::Pdf || format_ == FileFormat::Svg;
  if (at_ && (!shadowFormat || named->shadow == ShadowShown::None)) {
    problem = AtOnlyOnPlates();
    return false;
  }
  return true;
}

int SheetsCommand::Run(ExportIo io) {
  int status = kExportOk;
  const std::optional<CheckedProject> project = project_.Resolve(sheets_, io.err, status);
  if (!project) return status;
  // Words drawn without their font are empty boxes on a PNG and nothing at
  // all in a PDF: write no such file.
  if (!WindowFontInstalled()) {
    io.err << NoWindowFont();
    return kExportWriteFailed;
  }
  const DrawingParameters& site = project->parameters;
  const auto title = [&](const QString& subject) { return DocumentTitle(subject, site); };
  // Every sheet is drawn once, and only once all are accepted: a refusal
  // writes nothing.
  std::vector<QByteArray> files;
  std::vector<CallList> drawings;
  for (const Piece* sheet : sheets_) {
    // The cutting files are the pieces that are cut: the assembly sheet is
    // printed, and nobody asked for it by name. It is not drawn either.
    if (intoFolder_ && InfoOf(format_).forCutting && !sheet->cut) {
      files.emplace_back();
      continue;
    }
    RecordingCanvas recorder;
    sheet->DrawingFor(project->project.hours).body(recorder, site);
    drawings.push_back(recorder.Calls());
    if ((all_ && !intoFolder_) || at_) continue;  // drawn together, or with the shadow
    const std::optional<PieceCut> cut = sheet->cut ? std::optional(sheet->cut(site)) : std::nullopt;
    files.push_back(Render(format_, drawings.back(), title(sheet->Title()), cut ? &*cut : nullptr));
  }
  if (intoFolder_) return WriteFolder(io, files);
  if (all_) {
    std::vector<const CallList*> pages;
    for (const CallList& drawing : drawings) pages.push_back(&drawing);
    return WriteOutput(io, output_, RenderPdf(pages, title(Exporter::tr("kit completo"))))
               ? kExportOk
               : kExportWriteFailed;
  }
  if (at_) {
    const ClockReading at = *at_;
    const ShadowOutcome outcome = ShadowAt({*project, at.date, at.time});
    if (!outcome.reading) {
      io.err << "quindal-export: " << outcome.problem.toStdString() << "\n";
      return kExportUsage;
    }
    const Piece& plate = *sheets_.front();
    files = {ShadowFile(format_, drawings.front(), *outcome.reading,
                        plate.shadow == ShadowShown::OnChart, title(plate.Title()))};
  }
  return WriteOutput(io, output_, files.front()) ? kExportOk : kExportWriteFailed;
}

int SheetsCommand::WriteFolder(ExportIo io, const std::vector<QByteArray>& files) {
  // The kit is all or nothing: six whole files, or none and the folder as it
  // was (and gone again if this run made it).
  QString reason;
  if (!io.files.MakeFolder(output_, reason)) {
    io.err << "quindal-export: "
           << Said(Exporter::tr("impossibile creare la cartella %1: %2")
                       .arg(ShownValue(output_), reason))
           << "\n";
    return kExportWriteFailed;
  }
  const QDir folder(output_);
  FileSet kit;
  for (std::size_t k = 0; k < sheets_.size(); ++k) {
    if (InfoOf(format_).forCutting && !sheets_[k]->cut) continue;
    const QString name = QString::fromUtf8(sheets_[k]->fileStem) + "." + ExtensionOf(format_);
    kit.emplace_back(folder.filePath(name), files[k]);
  }
  QString failed;
  if (io.files.WriteAll(kit, failed, reason)) return kExportOk;
  io.err << "quindal-export: "
         << Said(Exporter::tr("impossibile scrivere %1: %2; nessun file del kit è stato scritto")
                     .arg(ShownValue(failed), reason))
         << "\n";
  if (!folderExisted_) io.files.RemoveEmptyFolder(output_);
  return kExportWriteFailed;
}
