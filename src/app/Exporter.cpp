#include "app/Exporter.h"

#include <QDir>
#include <map>
#include <optional>
#include <vector>

#include "app/ExportSite.h"
#include "devices/DrawingFile.h"
#include "devices/ExportDevices.h"
#include "devices/RecordingCanvas.h"
#include "drawing/DocumentTitle.h"
#include "drawing/ScriptedPanel.h"
#include "pieces/Pieces.h"

namespace {

const char kUsage[] =
    "Uso: quindal-export PEZZO LUOGO [--hours astronomiche|temporarie] [--dates mesi|decadi]\n"
    "                    --output FILE\n"
    "     quindal-export all LUOGO [...] --output FILE.pdf | --output CARTELLA\n"
    "                    [--format svg|png|pdf]\n"
    "     quindal-export places TESTO\n"
    "  LUOGO     --latitude TESTO --longitude TESTO (scostamento dal meridiano del fuso)\n"
    "            oppure --place \"CITTÀ[, CC]\"\n"
    "            oppure --latitude TESTO --site-longitude GRADI --timezone FUSO\n"
    "  PEZZO     A, B, C, D, base o istruzioni\n"
    "  FILE      .svg, .pdf o .png: il formato segue l'estensione\n"
    "  all       i sei fogli: in un solo PDF, una pagina ciascuno, oppure in sei file\n"
    "            plate-a, plate-b, plate-c, plate-d, base, istruzioni nella CARTELLA\n"
    "  places    le città che corrispondono a TESTO, una per riga, separate da tabulazioni:\n"
    "            città, regione, paese, latitudine, longitudine, fuso, scostamento\n";

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
};

// Reads the command line; on a mistake says what it is in `problem`.
std::optional<Request> Parse(const QStringList& arguments, const FileSink& files,
                              std::string& problem) {
  std::optional<QString> latitude, longitude, output, hours, dates, format, piece, placesQuery;
  SiteRequest site;
  const std::map<QString, std::optional<QString>*> options = {
      {"--latitude", &latitude},
      {"--longitude", &longitude},
      {"--output", &output},
      {"--hours", &hours},
      {"--dates", &dates},
      {"--format", &format},
      {"--place", &site.place},
      {"--site-longitude", &site.siteLongitude},
      {"--timezone", &site.timezone}};
  bool anyOption = false;
  for (qsizetype k = 0; k < arguments.size(); ++k) {
    const QString& argument = arguments[k];
    const auto option = options.find(argument);
    if (option != options.end()) {
      if (k + 1 >= arguments.size()) {
        problem = "manca il valore di " + argument.toStdString();
        return std::nullopt;
      }
      *option->second = arguments[++k];
      anyOption = true;
    } else if (argument.startsWith("--")) {
      problem = "opzione sconosciuta: " + argument.toStdString();
      return std::nullopt;
    } else if (piece == "places" && !placesQuery) {
      placesQuery = argument;
    } else if (piece) {
      problem = "un solo pezzo per volta: " + argument.toStdString();
      return std::nullopt;
    } else {
      piece = argument;
    }
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
  site.latitude = latitude;
  site.longitude = longitude;
  if (!site.Valid(problem)) return std::nullopt;
  if (!output) {
    problem = "manca --output";
    return std::nullopt;
  }
  if (hours && *hours != "astronomiche" && *hours != "temporarie") {
    problem = "--hours vuole astronomiche o temporarie";
    return std::nullopt;
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

  const std::optional<FileFormat> extension = FormatOfPath(request.output);
  if (*piece == "all") {
    request.all = true;
    for (const Piece& sheet : kPieces) request.sheets.push_back(&sheet);
    const bool isFolder = files.IsFolder(request.output);
    if (extension == FileFormat::Pdf && !isFolder && !format) {
      request.format = FileFormat::Pdf;
      return request;
    }
    if (extension && !isFolder) {
      problem = "all scrive un PDF o una cartella: " + request.output.toStdString();
      return std::nullopt;
    }
    const std::map<QString, FileFormat> formats = {
        {"svg", FileFormat::Svg}, {"png", FileFormat::Png}, {"pdf", FileFormat::Pdf}};
    const auto named = formats.find(format.value_or("svg"));
    if (named == formats.end()) {
      problem = "--format vuole svg, png o pdf";
      return std::nullopt;
    }
    request.intoFolder = true;
    request.format = named->second;
    return request;
  }

  const Piece* named = PieceNamed(piece->toStdString());
  if (!named) {
    problem = "pezzo sconosciuto: " + piece->toStdString();
    return std::nullopt;
  }
  request.sheets = {named};
  if (format) {
    problem = "--format vale solo con all";
    return std::nullopt;
  }
  if (!extension) {
    problem = "estensione del file non riconosciuta: " + request.output.toStdString();
    return std::nullopt;
  }
  request.format = *extension;
  return request;
}

}  // namespace

int RunExport(const QStringList& arguments, std::ostream& out, std::ostream& err) {
  DiskSink disk;
  return RunExport(arguments, out, err, disk);
}

int RunExport(const QStringList& arguments, std::ostream& out, std::ostream& err,
              FileSink& files) {
  std::string problem;
  std::optional<Request> request = Parse(arguments, files, problem);
  if (!request) {
    err << "quindal-export: " << problem << "\n" << kUsage;
    return kExportUsage;
  }
  if (request->placesQuery) return ListPlaces(*request->placesQuery, out, err);
  if (const int status = ResolveSite(request->site, request->latitude, request->longitude, err))
    return status;

  // Every sheet is drawn before anything is written: a refusal writes nothing.
  std::vector<CallList> drawings;
  for (const Piece* sheet : request->sheets) {
    ScriptedPanel panel(request->latitude, request->longitude, request->decadi);
    std::optional<CallList> calls = Record(sheet->ProcedureFor(request->hours), panel);
    if (!calls) {
      err << kRefusalMessage.toStdString() << "\n";
      return kExportRefused;
    }
    drawings.push_back(std::move(*calls));
  }

  // The name every file carries, in the words the print jobs use.
  const InputState inputs{request->latitude, request->longitude, request->decadi, !request->decadi};
  const auto title = [&](const QString& subject) { return DocumentTitle(subject, inputs); };

  const auto write = [&](const QString& path, const QByteArray& bytes) {
    QString reason;
    if (files.Write(path, bytes, reason)) return true;
    err << "quindal-export: impossibile scrivere " << path.toStdString() << ": "
        << reason.toStdString() << "\n";
    return false;
  };

  if (request->intoFolder) {
    QString reason;
    if (!files.MakeFolder(request->output, reason)) {
      err << "quindal-export: impossibile creare la cartella " << request->output.toStdString()
          << ": " << reason.toStdString() << "\n";
      return kExportWriteFailed;
    }
    const QDir folder(request->output);
    for (std::size_t k = 0; k < drawings.size(); ++k) {
      const Piece& sheet = *request->sheets[k];
      const QString name = QString::fromUtf8(sheet.fileStem) + "." + ExtensionOf(request->format);
      if (!write(folder.filePath(name),
                 Render(request->format, drawings[k], title(QString::fromUtf8(sheet.title)))))
        return kExportWriteFailed;
    }
    return kExportOk;
  }

  QByteArray bytes;
  if (request->all) {
    std::vector<const CallList*> pages;
    for (const CallList& drawing : drawings) pages.push_back(&drawing);
    bytes = RenderPdf(pages, title(QStringLiteral("kit completo")));
  } else {
    bytes = Render(request->format, drawings.front(),
                   title(QString::fromUtf8(request->sheets.front()->title)));
  }
  return write(request->output, bytes) ? kExportOk : kExportWriteFailed;
}
