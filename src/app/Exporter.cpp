#include "Exporter.h"

#include <QDir>
#include <map>
#include <optional>
#include <vector>

#include "DrawingFile.h"
#include "ExportDevices.h"
#include "GRAPH1.h"
#include "RecordingCanvas.h"

namespace {

const char kUsage[] =
    "Uso: quindal-export PEZZO --latitude TESTO --longitude TESTO\n"
    "                    [--hours astronomiche|temporarie] [--dates mesi|decadi]\n"
    "                    --output FILE\n"
    "     quindal-export all --latitude TESTO --longitude TESTO [...]\n"
    "                    --output FILE.pdf | --output CARTELLA [--format svg|png|pdf]\n"
    "  PEZZO     A, B, C, D, base o istruzioni\n"
    "  FILE      .svg, .pdf o .png: il formato segue l'estensione\n"
    "  all       i sei fogli: in un solo PDF, una pagina ciascuno, oppure in sei file\n"
    "            plate-a, plate-b, plate-c, plate-d, base, istruzioni nella CARTELLA\n";

// The main window, as the command line fills it in.
class CommandLinePanel final : public InputPanel {
 public:
  CommandLinePanel(QString latitude, QString longitude, bool decadi)
      : text1_(std::move(latitude)), text4_(std::move(longitude)), decadi_(decadi) {}

  QString Text1() const override { return text1_; }
  QString Text4() const override { return text4_; }
  bool Option5() const override { return decadi_; }
  bool Option6() const override { return !decadi_; }
  void SetText1(const QString& text) override { text1_ = text; }
  void SetText4(const QString& text) override { text4_ = text; }
  void FocusText1() override {}
  void ShowRefusal() override { refused_ = true; }

  bool refused() const { return refused_; }

 private:
  QString text1_, text4_;
  bool decadi_;
  bool refused_ = false;
};

using Procedure = void (*)(InputPanel&, DrawingTarget&);

struct Sheet {
  QString piece;     // as the command line names it
  QString fileName;  // in a folder of all six
  Procedure procedure;
};

std::vector<Sheet> AllSheets(bool temporaryHours) {
  return {
      {"A", "plate-a", GRAPH1::DrawPlateA},
      {"B", "plate-b", GRAPH1::DrawPlateB},
      {"C", "plate-c",
       temporaryHours ? GRAPH1::DrawPlateC_Temporary : GRAPH1::DrawPlateC_Astronomical},
      {"D", "plate-d", GRAPH1::DrawPlateD},
      {"base", "base", GRAPH1::DrawBase},
      {"istruzioni", "istruzioni", GRAPH1::DrawInstructions},
  };
}

struct Request {
  std::vector<Sheet> sheets;
  bool all = false;
  QString latitude, longitude, output;
  bool decadi = false;
  FileFormat format = FileFormat::Svg;
  bool intoFolder = false;  // all six, one file each
};

// Reads the command line; on a mistake says what it is in `problem`.
std::optional<Request> Parse(const QStringList& arguments, const FileSink& files,
                              std::string& problem) {
  std::optional<QString> latitude, longitude, output, hours, dates, format, piece;
  const std::map<QString, std::optional<QString>*> options = {
      {"--latitude", &latitude}, {"--longitude", &longitude}, {"--output", &output},
      {"--hours", &hours},       {"--dates", &dates},         {"--format", &format}};
  for (qsizetype k = 0; k < arguments.size(); ++k) {
    const QString& argument = arguments[k];
    const auto option = options.find(argument);
    if (option != options.end()) {
      if (k + 1 >= arguments.size()) {
        problem = "manca il valore di " + argument.toStdString();
        return std::nullopt;
      }
      *option->second = arguments[++k];
    } else if (argument.startsWith("--")) {
      problem = "opzione sconosciuta: " + argument.toStdString();
      return std::nullopt;
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
  if (!latitude || !longitude || !output) {
    problem = "mancano --latitude, --longitude o --output";
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
  request.latitude = *latitude;
  request.longitude = *longitude;
  request.output = *output;
  request.decadi = dates && *dates == "decadi";
  const std::vector<Sheet> sheets = AllSheets(hours && *hours == "temporarie");

  const std::optional<FileFormat> extension = FormatOfPath(request.output);
  if (*piece == "all") {
    request.all = true;
    request.sheets = sheets;
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

  for (const Sheet& sheet : sheets)
    if (sheet.piece == *piece) request.sheets = {sheet};
  if (request.sheets.empty()) {
    problem = "pezzo sconosciuto: " + piece->toStdString();
    return std::nullopt;
  }
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
  (void)out;
  std::string problem;
  const std::optional<Request> request = Parse(arguments, files, problem);
  if (!request) {
    err << "quindal-export: " << problem << "\n" << kUsage;
    return kExportUsage;
  }

  // Every sheet is drawn before anything is written: a refusal writes nothing.
  std::vector<CallList> drawings;
  for (const Sheet& sheet : request->sheets) {
    CommandLinePanel panel(request->latitude, request->longitude, request->decadi);
    RecordingTarget target;
    sheet.procedure(panel, target);
    if (panel.refused()) {
      err << "Valori non consentiti !!!\n";
      return kExportRefused;
    }
    drawings.push_back(target.calls());
  }

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
      const QString name = request->sheets[k].fileName + "." + ExtensionOf(request->format);
      if (!write(folder.filePath(name), Render(request->format, drawings[k])))
        return kExportWriteFailed;
    }
    return kExportOk;
  }

  QByteArray bytes;
  if (request->all) {
    std::vector<const CallList*> pages;
    for (const CallList& drawing : drawings) pages.push_back(&drawing);
    bytes = RenderPdf(pages);
  } else {
    bytes = Render(request->format, drawings.front());
  }
  return write(request->output, bytes) ? kExportOk : kExportWriteFailed;
}
