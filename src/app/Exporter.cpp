#include "app/Exporter.h"

#include <QDir>
#include <QTimeZone>
#include <cerrno>
#include <optional>
#include <vector>

#include "app/CommandLine.h"
#include "app/ExportSite.h"
#include "app/ShadowCommand.h"
#include "booklet/Booklet.h"
#include "devices/DrawingFile.h"
#include "devices/ExportDevices.h"
#include "devices/FileFormats.h"
#include "devices/RecordingCanvas.h"
#include "devices/WindowFont.h"
#include "drawing/DocumentTitle.h"
#include "drawing/Preamble.h"
#include "drawing/ShownValue.h"
#include "pieces/Pieces.h"

namespace {

struct Request {
  std::optional<QString> placesQuery;  // "places TEXT": list, draw nothing
  SiteRequest site;
  std::vector<const Piece*> sheets;
  HourSystem hours = HourSystem::Astronomical;
  bool all = false;
  QString latitude, longitude, output;
  bool decadi = false;
  FileFormat format = FileFormat::Svg;
  bool intoFolder = false;  // all six, one file each
  bool shadow = false;      // "ombra": what the instrument shows at an instant
  std::optional<ClockReading> at;
  bool booklet = false;  // "fascicolo": the booklet, for `year`
  int year = 0;
};

// Reads the command line; on a mistake says what it is in `problem`.
std::optional<Request> Parse(const CommandLine& line, const FileSink& files, std::string& problem) {
  const auto value = [&](const char* name) { return line.Value(name); };
  std::optional<QString> output = value("output"), hours = value("hours"), dates = value("dates"),
                         format = value("format");
  SiteRequest site{value("latitude"), value("longitude"), value("place"), value("site-longitude"),
                   value("timezone")};
  const bool anyOption = !line.parser.optionNames().isEmpty();
  // An empty zone would quietly mean the system's.
  if (site.timezone && site.timezone->trimmed().isEmpty()) {
    problem = "--timezone vuole un fuso orario, come Europe/Rome";
    return std::nullopt;
  }
  const bool forCutter = line.parser.isSet(QStringLiteral("taglio"));
  // --taglio asks an SVG for the cutter; a DXF is one already.
  const auto cutFormat = [&](FileFormat& chosen) {
    if (!forCutter || chosen == FileFormat::Dxf) return true;
    if (chosen != FileFormat::Svg) {
      problem = "--taglio vale con SVG (e DXF, che è già per il taglio)";
      return false;
    }
    chosen = FileFormat::CutSvg;
    return true;
  };
  const QStringList positional = line.parser.positionalArguments();
  std::optional<QString> piece, placesQuery;
  if (!positional.isEmpty()) piece = positional.front().toLower();
  if (piece == "places" && positional.size() == 2) {
    placesQuery = positional[1];
  } else if (positional.size() > 1) {
    problem = "un solo pezzo per volta: " + ShownValue(positional[1]).toStdString();
    return std::nullopt;
  }
  if (!piece) {
    problem = "manca il pezzo";
    return std::nullopt;
  }
  if (*piece == "places") {
    if (!placesQuery || anyOption) {
      problem = "places vuole il testo da cercare, e nessuna opzione";
      return std::nullopt;
    }
    Request request;
    request.placesQuery = placesQuery;
    return request;
  }
  const std::optional<QString> at = value("at");
  std::optional<ClockReading> instant;
  if (at && !(instant = ReadClockReading(*at))) {
    problem = "--at vuole una data e un'ora come \"2026-06-21 12:00\" (AAAA-MM-GG HH:MM): " +
              ShownValue(*at).toStdString();
    return std::nullopt;
  }
  const bool shadow = *piece == "ombra";
  const bool booklet = *piece == "fascicolo";
  const std::optional<QString> year = value("anno");
  if (year && !booklet) {
    problem = "--anno vale con fascicolo";
    return std::nullopt;
  }
  if (!site.Valid(problem, shadow || booklet || at)) return std::nullopt;
  if (hours && *hours != "astronomiche" && *hours != "temporarie") {
    problem = "--hours vuole astronomiche o temporarie";
    return std::nullopt;
  }
  if (shadow) {
    if (output || format || forCutter) {
      problem = "ombra scrive sullo standard output: niente --output, --format né --taglio";
      return std::nullopt;
    }
    Request request;
    request.site = site;
    request.shadow = true;
    request.at = instant;
    if (hours && *hours == "temporarie") request.hours = HourSystem::Temporary;
    return request;
  }
  if (!output) {
    problem = "manca --output";
    return std::nullopt;
  }
  int bookletYear = 0;
  if (booklet) {
    if (format || forCutter || instant || FormatOfPath(*output) != FileFormat::Pdf) {
      problem =
          "fascicolo scrive un file PDF: --output FILE.pdf, niente --format, --taglio né --at";
      return std::nullopt;
    }
    bool isNumber = true;
    bookletYear = year ? year->trimmed().toInt(&isNumber) : ComingYear();
    if (!isNumber || bookletYear < 1970 || bookletYear > 2100) {
      problem = "--anno vuole un anno dal 1970 al 2100: " + ShownValue(*year).toStdString();
      return std::nullopt;
    }
  }
  if (dates && *dates != "mesi" && *dates != "decadi") {
    problem = "--dates vuole mesi o decadi";
    return std::nullopt;
  }

  Request request;
  request.site = site;
  request.output = *output;
  request.decadi = dates && *dates == "decadi";
  if (hours && *hours == "temporarie") request.hours = HourSystem::Temporary;
  if (booklet) {
    request.booklet = true;
    request.year = bookletYear;
    request.format = FileFormat::Pdf;
    for (const Piece& sheet : kPieces) request.sheets.push_back(&sheet);
    return request;
  }

  const std::optional<FileFormat> extension = FormatOfPath(request.output);
  if (*piece == "all") {
    if (instant) {
      problem = "--at vale con ombra, o con C o B in un file PNG, PDF o SVG";
      return std::nullopt;
    }
    request.all = true;
    for (const Piece& sheet : kPieces) request.sheets.push_back(&sheet);
    const bool isFolder = files.IsFolder(request.output);
    if (extension == FileFormat::Pdf && !isFolder && !format) {
      request.format = FileFormat::Pdf;
      return cutFormat(request.format) ? std::optional(request) : std::nullopt;
    }
    if (extension && !isFolder) {
      problem = "all scrive un PDF o una cartella: " + ShownValue(request.output).toStdString();
      return std::nullopt;
    }
    const std::optional<FileFormat> named = FormatNamed(format.value_or("svg"));
    if (!named) {
      QString names = FormatNames(", ");
      names.replace(names.lastIndexOf(", "), 2, " o ");
      problem = "--format vuole " + names.toStdString();
      return std::nullopt;
    }
    request.intoFolder = true;
    request.format = *named;
    return cutFormat(request.format) ? std::optional(request) : std::nullopt;
  }

  const Piece* named = nullptr;
  for (const Piece& candidate : kPieces)
    if (QString::fromUtf8(candidate.name).toLower() == *piece) named = &candidate;
  if (!named) {
    problem = "pezzo sconosciuto: " + ShownValue(*piece).toStdString();
    return std::nullopt;
  }
  request.sheets = {named};
  if (format) {
    problem = "--format vale solo con all";
    return std::nullopt;
  }
  if (!extension) {
    problem = "estensione del file non riconosciuta: " + ShownValue(request.output).toStdString();
    return std::nullopt;
  }
  request.format = *extension;
  if (forCutter && !named->cut) {
    problem = std::string(named->fileStem) + " si stampa, non si taglia: niente --taglio";
    return std::nullopt;
  }
  if (!cutFormat(request.format)) return std::nullopt;
  const bool shadowFormat = request.format == FileFormat::Png ||
                            request.format == FileFormat::Pdf || request.format == FileFormat::Svg;
  if (instant && (!shadowFormat || (named->name != "B" && named->name != "C"))) {
    problem = "--at vale con ombra, o con C o B in un file PNG, PDF o SVG";
    return std::nullopt;
  }
  request.at = instant;
  return request;
}

// The refusal's second line: which value, and why.
QString RefusalText(const InputState& inputs, const Piece& sheet, HourSystem hours) {
  return RefusalText(inputs, OwnCheckReason(sheet, hours));
}

int RunCommand(const QStringList& arguments, std::ostream& out, std::ostream& err, FileSink& files);

// The shadow at the request's instant (now when it has none) on the clocks
// of `zone`, or nothing with the reason on `err`.
std::optional<ShadowReading> ReadShadow(const Request& request, const DrawingParameters& site,
                                        const QString& zone, std::ostream& err) {
  const ClockReading at = request.at ? *request.at : ClockNow(zone);
  const ShadowOutcome outcome = ShadowAt({site, request.hours, zone, at.date, at.time});
  if (!outcome.reading) err << "quindal-export: " << outcome.problem.toStdString() << "\n";
  return outcome.reading;
}

// "ombra": plate C's checks, then the reading.
int RunShadow(const Request& request, const QString& zone, std::ostream& out, std::ostream& err) {
  const Piece& plateC = *PieceNamed("C");
  const PieceDrawing drawing = plateC.DrawingFor(request.hours);
  const InputState inputs{request.latitude, request.longitude, request.decadi, !request.decadi};
  const auto site = CheckInputs(inputs, drawing.check ? ExtraCheck(drawing.check) : ExtraCheck());
  if (!site) {
    err << kRefusalMessage.toStdString() << "\n"
        << RefusalText(inputs, plateC, request.hours).toStdString() << "\n";
    return kExportRefused;
  }
  const std::optional<ShadowReading> reading = ReadShadow(request, *site, zone, err);
  if (!reading) return kExportUsage;
  PrintShadow(*reading, out, err);
  return kExportOk;
}

}  // namespace

int RunExport(const QStringList& arguments, std::ostream& out, std::ostream& err) {
  DiskSink disk;
  return RunExport(arguments, out, err, disk);
}

int RunExport(const QStringList& arguments, std::ostream& out, std::ostream& err, FileSink& files) {
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
  err << "quindal-export: impossibile scrivere sullo standard output: "
      << ItalianReason(error).toStdString() << "\n";
  return kExportWriteFailed;
}

namespace {

int RunCommand(const QStringList& arguments, std::ostream& out, std::ostream& err,
               FileSink& files) {
  CommandLine line;
  switch (line.Read(arguments)) {
    case CommandLine::Help: out << line.HelpText().toStdString(); return kExportOk;
    case CommandLine::Version:
      out << "quindal-export " << QUINDAL_VERSION << "\n";
      return kExportOk;
    case CommandLine::Mistake:
      err << "quindal-export: " << line.problem.toStdString() << "\n" << kHelpHint;
      return kExportUsage;
    case CommandLine::Understood: break;
  }
  std::string problem;
  std::optional<Request> request = Parse(line, files, problem);
  if (!request) {
    err << "quindal-export: " << problem << "\n" << kHelpHint;
    return kExportUsage;
  }
  if (request->placesQuery) return ListPlaces(*request->placesQuery, out, err);
  QString zone, town;
  if (const int status =
          ResolveSite(request->site, request->latitude, request->longitude, err, &zone, &town))
    return status;
  if (zone.isEmpty()) zone = QString::fromUtf8(QTimeZone::systemTimeZoneId());
  if (request->shadow) return RunShadow(*request, zone, out, err);

  // Words drawn without their font are empty boxes on a PNG and nothing at
  // all in a PDF: write no such file.
  if (!WindowFontInstalled()) {
    err << "quindal-export: " << kMissingWindowFont << "; nessun file scritto\n";
    return kExportWriteFailed;
  }

  // Every sheet is checked and drawn before anything is written: a refusal
  // writes nothing.
  const InputState inputs{request->latitude, request->longitude, request->decadi, !request->decadi};
  std::vector<CallList> drawings;
  std::vector<std::optional<PieceCut>> cuts;  // where each sheet is cut, when it is
  std::optional<DrawingParameters> site;
  for (const Piece* sheet : request->sheets) {
    const PieceDrawing drawing = sheet->DrawingFor(request->hours);
    site = CheckInputs(inputs, drawing.check ? ExtraCheck(drawing.check) : ExtraCheck());
    if (!site) {
      err << kRefusalMessage.toStdString() << "\n"
          << RefusalText(inputs, *sheet, request->hours).toStdString() << "\n";
      return kExportRefused;
    }
    RecordingCanvas recorder;
    drawing.body(recorder, *site);
    drawings.push_back(recorder.Calls());
    cuts.push_back(sheet->cut ? std::optional(sheet->cut(*site)) : std::nullopt);
  }
  const auto cutOf = [&](std::size_t k) { return cuts[k] ? &*cuts[k] : nullptr; };

  // The name every file carries, in the words the print jobs use.
  const auto title = [&](const QString& subject) { return DocumentTitle(subject, *site); };

  const auto write = [&](const QString& path, const QByteArray& bytes) {
    QString reason;
    if (files.Write(path, bytes, reason)) return true;
    err << "quindal-export: impossibile scrivere " << ShownValue(path).toStdString() << ": "
        << reason.toStdString() << "\n";
    return false;
  };

  if (request->intoFolder) {
    // The kit is all or nothing: six whole files, or none and the folder as
    // it was (and gone again if this run made it).
    const bool hadFolder = files.IsFolder(request->output);
    QString reason;
    if (!files.MakeFolder(request->output, reason)) {
      err << "quindal-export: impossibile creare la cartella "
          << ShownValue(request->output).toStdString() << ": " << reason.toStdString() << "\n";
      return kExportWriteFailed;
    }
    const QDir folder(request->output);
    FileSet kit;
    for (std::size_t k = 0; k < drawings.size(); ++k) {
      const Piece& sheet = *request->sheets[k];
      // The cutting files are the pieces that are cut: the assembly sheet
      // is printed, and nobody asked for it by name.
      if (InfoOf(request->format).forCutting && !sheet.cut) continue;
      const QString name = QString::fromUtf8(sheet.fileStem) + "." + ExtensionOf(request->format);
      kit.emplace_back(
          folder.filePath(name),
          Render(request->format, drawings[k], title(QString::fromUtf8(sheet.title)), cutOf(k)));
    }
    QString failed;
    if (files.WriteAll(kit, failed, reason)) return kExportOk;
    err << "quindal-export: impossibile scrivere " << ShownValue(failed).toStdString() << ": "
        << reason.toStdString() << "; nessun file del kit è stato scritto\n";
    if (!hadFolder) files.RemoveEmptyFolder(request->output);
    return kExportWriteFailed;
  }

  QByteArray bytes;
  if (request->booklet) {
    bytes = RenderBooklet({*site, request->hours, town, zone, request->year});
  } else if (request->all) {
    std::vector<const CallList*> pages;
    for (const CallList& drawing : drawings) pages.push_back(&drawing);
    bytes = RenderPdf(pages, title(QStringLiteral("kit completo")));
  } else if (request->at) {
    const std::optional<ShadowReading> reading = ReadShadow(*request, *site, zone, err);
    if (!reading) return kExportUsage;
    bytes = ShadowFile(request->format, drawings.front(), *reading,
                       request->sheets.front()->name == "B",
                       title(QString::fromUtf8(request->sheets.front()->title)));
  } else {
    bytes = Render(request->format, drawings.front(),
                   title(QString::fromUtf8(request->sheets.front()->title)), cutOf(0));
  }
  return write(request->output, bytes) ? kExportOk : kExportWriteFailed;
}

}  // namespace
