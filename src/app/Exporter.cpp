#include "Exporter.h"

#include <QFileInfo>
#include <QSaveFile>
#include <functional>
#include <map>
#include <optional>

#include "ExportDevices.h"
#include "GRAPH1.h"
#include "RecordingCanvas.h"

namespace {

const char kUsage[] =
    "Uso: quindal-export PEZZO --latitude TESTO --longitude TESTO\n"
    "                    [--hours astronomiche|temporarie] [--dates mesi|decadi]\n"
    "                    --output FILE\n"
    "  PEZZO  A, B, C, D, base o istruzioni\n"
    "  FILE   .svg, .pdf o .png: il formato segue l'estensione\n";

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

// The drawing window, as a recording: the calls go to a file afterwards.
class RecordingTarget final : public DrawingTarget {
 public:
  Canvas& PrepareWindow() override { return recorder_; }
  const CallList& calls() const { return recorder_.Calls(); }

 private:
  RecordingCanvas recorder_;
};

struct Request {
  QString piece;
  QString latitude, longitude, output;
  bool temporaryHours = false;
  bool decadi = false;
  FileFormat format = FileFormat::Svg;
};

using Procedure = void (*)(InputPanel&, DrawingTarget&);

std::optional<Procedure> ProcedureFor(const Request& request) {
  const std::map<QString, Procedure> pieces = {
      {"A", GRAPH1::DrawPlateA},
      {"B", GRAPH1::DrawPlateB},
      {"C", request.temporaryHours ? GRAPH1::DrawPlateC_Temporary
                                   : GRAPH1::DrawPlateC_Astronomical},
      {"D", GRAPH1::DrawPlateD},
      {"base", GRAPH1::DrawBase},
      {"istruzioni", GRAPH1::DrawInstructions},
  };
  const auto found = pieces.find(request.piece);
  if (found == pieces.end()) return std::nullopt;
  return found->second;
}

std::optional<FileFormat> FormatOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == "svg") return FileFormat::Svg;
  if (suffix == "pdf") return FileFormat::Pdf;
  if (suffix == "png") return FileFormat::Png;
  return std::nullopt;
}

// Reads the command line; on a mistake says what it is in `problem`.
std::optional<Request> Parse(const QStringList& arguments, std::string& problem) {
  Request request;
  std::optional<QString> latitude, longitude, output, hours, dates, piece;
  const std::map<QString, std::optional<QString>*> options = {
      {"--latitude", &latitude}, {"--longitude", &longitude}, {"--output", &output},
      {"--hours", &hours},       {"--dates", &dates}};
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
  request.piece = *piece;
  request.latitude = *latitude;
  request.longitude = *longitude;
  request.output = *output;

  if (hours && *hours != "astronomiche" && *hours != "temporarie") {
    problem = "--hours vuole astronomiche o temporarie";
    return std::nullopt;
  }
  request.temporaryHours = hours && *hours == "temporarie";
  if (dates && *dates != "mesi" && *dates != "decadi") {
    problem = "--dates vuole mesi o decadi";
    return std::nullopt;
  }
  request.decadi = dates && *dates == "decadi";

  const auto format = FormatOf(request.output);
  if (!format) {
    problem = "estensione del file non riconosciuta: " + request.output.toStdString();
    return std::nullopt;
  }
  request.format = *format;
  if (!ProcedureFor(request)) {
    problem = "pezzo sconosciuto: " + request.piece.toStdString();
    return std::nullopt;
  }
  return request;
}

// Writes beside the target and renames into place, so that no half-written
// file is ever left and an existing file is replaced only by a whole one.
bool WriteWhole(const QString& path, const QByteArray& bytes, QString& reason) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    reason = file.errorString();
    return false;
  }
  if (file.write(bytes) != bytes.size()) {
    reason = file.errorString();
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    reason = file.errorString();
    return false;
  }
  return true;
}

}  // namespace

int RunExport(const QStringList& arguments, std::ostream& out, std::ostream& err) {
  (void)out;
  std::string problem;
  const std::optional<Request> request = Parse(arguments, problem);
  if (!request) {
    err << "quindal-export: " << problem << "\n" << kUsage;
    return kExportUsage;
  }

  CommandLinePanel panel(request->latitude, request->longitude, request->decadi);
  RecordingTarget target;
  (*ProcedureFor(*request))(panel, target);
  if (panel.refused()) {
    err << "Valori non consentiti !!!\n";
    return kExportRefused;
  }

  QString reason;
  if (!WriteWhole(request->output, Render(request->format, target.calls()), reason)) {
    err << "quindal-export: impossibile scrivere " << request->output.toStdString() << ": "
        << reason.toStdString() << "\n";
    return kExportWriteFailed;
  }
  return kExportOk;
}
