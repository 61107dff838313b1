#include "app/ExportCommand.h"

#include "app/ExportCommands.h"
#include "app/Exporter.h"
#include "app/ExporterWords.h"
#include "app/ShadowCommand.h"
#include "devices/DrawingFile.h"
#include "drawing/ShownValue.h"
#include "pieces/Pieces.h"
#include "place/ZoneMeridian.h"
#include "project/InputPanel.h"
#include "project/ProjectFile.h"

void PrintRefusal(std::ostream& err, const QString& reason) {
  err << Said(RefusalMessage()) << "\n" << reason.toStdString() << "\n";
}

bool ProjectOptions::Read(const CommandLine& line, bool clockZone, std::string& problem) {
  file_ = line.Value("progetto");
  hours_ = line.Value("hours");
  dates_ = line.Value("dates");
  year_ = line.Value("anno");
  site_ = {line.Value("latitude"), line.Value("longitude"), line.Value("place"),
           line.Value("site-longitude"), line.Value("timezone")};
  if (!site_.Valid(problem, clockZone, file_.has_value())) return false;
  if (hours_ && *hours_ != "astronomiche" && *hours_ != "temporarie") {
    problem = Said(Exporter::tr("--hours vuole astronomiche o temporarie"));
    return false;
  }
  return true;
}

// Checked after the command's own options, as the messages have always come.
bool ReadDatesAndYear(const std::optional<QString>& dates, const std::optional<QString>& year,
                      std::string& problem) {
  if (year) {
    bool isNumber = false;
    const int asked = year->trimmed().toInt(&isNumber);
    if (!isNumber || asked < 1970 || asked > 2100) {
      problem =
          Said(Exporter::tr("--anno vuole un anno dal 1970 al 2100: %1").arg(ShownValue(*year)));
      return false;
    }
  }
  if (dates && *dates != "mesi" && *dates != "decadi") {
    problem = Said(Exporter::tr("--dates vuole mesi o decadi"));
    return false;
  }
  return true;
}

HourSystem ProjectOptions::Hours() const {
  return hours_ == "temporarie" ? HourSystem::Temporary : HourSystem::Astronomical;
}

namespace {

// The project file named by --progetto, or nothing with why on `err`.
std::optional<Project> ReadProjectOption(const QString& path, std::ostream& err) {
  QString problem;
  std::optional<Project> project = ReadProjectFile(path, problem);
  if (!project)
    err << "quindal-export: " << ShownValue(path).toStdString() << ": " << problem.toStdString()
        << "\n";
  return project;
}

}  // namespace

std::optional<CheckedProject> ProjectOptions::Resolve(const std::vector<const Piece*>& sheets,
                                                      std::ostream& err, int& status) const {
  status = kExportUsage;
  Project project;
  if (file_) {
    std::optional<Project> read = ReadProjectOption(*file_, err);
    if (!read) return std::nullopt;
    project = *read;
  }
  if ((status = ResolveSite(site_, project.site, err))) return std::nullopt;
  if (hours_) project.hours = Hours();
  if (dates_)
    project.dates = *dates_ == "decadi" ? DateLineSpacing::TenDays : DateLineSpacing::Months;
  if (year_) project.year = year_->trimmed().toInt();
  // A zone typed on the command line that nobody knows is a usage mistake,
  // told once the values themselves are accepted; a file's is a value refused.
  const bool typedZone = site_.timezone && !KnownZone(*site_.timezone);
  Project checked = project;
  if (typedZone) checked.site.zone.clear();
  const ProjectVerdict verdict = CheckProject(checked, RulesFor(sheets, project.hours));
  if (!verdict.checked) {
    PrintRefusal(err, verdict.refusal);
    status = kExportRefused;
    return std::nullopt;
  }
  if (typedZone) {
    err << "quindal-export: "
        << Said(Exporter::tr("fuso orario sconosciuto: %1").arg(ShownValue(*site_.timezone)))
        << "\n";
    status = kExportUsage;
    return std::nullopt;
  }
  status = kExportOk;
  return CheckedProject{project, verdict.checked->parameters};
}

QString CommandsHelp() {
  // Each command with the options of its own; the site's options are common.
  static const char* const kCommands[][2] = {
      {"A, B, C, D, base, istruzioni",
       QT_TRANSLATE_NOOP("Exporter",
                         "un pezzo in un file (.svg, .png, .pdf, .dxf, ...): --output,\n"
                         "--taglio (i pezzi che si tagliano), --at (B e C in PNG, PDF o SVG)")},
      {"all",
       QT_TRANSLATE_NOOP("Exporter",
                         "i sei fogli: un PDF di sei pagine (--output FILE.pdf) o sei file\n"
                         "plate-a, plate-b, plate-c, plate-d, base, istruzioni in una cartella:\n"
                         "--output, --format, --taglio")},
      {"fascicolo",
       QT_TRANSLATE_NOOP(
           "Exporter",
           "un PDF per costruire e leggere il quindal: copertina con le righe di\n"
           "controllo, materiali, i sei fogli, montaggio, uso con un esempio, tabella\n"
           "di lettura, scheda di osservazione: --output FILE.pdf, --anno")},
      {"ombra", QT_TRANSLATE_NOOP(
                    "Exporter",
                    "che cosa mostra il quindal all'istante di --at: una riga chiave<TAB>valore\n"
                    "per data, ora, fuso, ora_legale, tmf, delta, tsvl, angolo_orario, altezza\n"
                    "e, con il Sole sopra l'orizzonte, x, y, mm, lettura, ora_temporaria")},
      {QT_TRANSLATE_NOOP("Exporter", "places TESTO"),
       QT_TRANSLATE_NOOP("Exporter",
                         "le città che corrispondono, una per riga: città, regione, paese,\n"
                         "latitudine, longitudine, fuso, scostamento, separati da tabulazioni;\n"
                         "nessuna opzione")},
      {"montaggio",
       QT_TRANSLATE_NOOP("Exporter",
                         "lo strumento montato, ogni pezzo al suo posto con il suo disegno, in un\n"
                         "modello glTF 2.0 in metri: --output FILE.gltf (o FILE.glb)")},
      {"progetto", QT_TRANSLATE_NOOP("Exporter",
                                     "il luogo e le scelte in un file di progetto: "
                                     "--output FILE.quindal, --anno")},
  };
  QString text;
  for (const auto& [names, words] : kCommands) {
    text += QStringLiteral("  %1\n").arg(Exporter::tr(names));
    for (const QString& line : Exporter::tr(words).split(u'\n'))
      text += QStringLiteral("      %1\n").arg(line);
  }
  return text;
}

std::unique_ptr<ExportCommand> CommandNamed(const QString& word) {
  const QString name = word.toLower();
  if (name == "places") return std::make_unique<PlacesCommand>();
  if (name == "ombra") return std::make_unique<ShadowReadingCommand>();
  if (name == "fascicolo") return std::make_unique<BookletCommand>();
  if (name == "progetto") return std::make_unique<ProjectFileCommand>();
  if (name == "montaggio") return std::make_unique<AssemblyModelCommand>();
  return std::make_unique<SheetsCommand>(name);  // a piece, all, or an unknown word it names
}

bool ReadInstant(const CommandLine& line, std::optional<ClockReading>& at, std::string& problem) {
  const std::optional<QString> text = line.Value("at");
  if (text && !(at = ReadClockReading(*text))) {
    problem =
        Said(Exporter::tr(
                 "--at vuole una data e un'ora come \"2026-06-21 12:00\" (AAAA-MM-GG HH:MM): %1")
                 .arg(ShownValue(*text)));
    return false;
  }
  return true;
}

bool ReadSiteCommand(const CommandLine& line, ProjectOptions& project, bool takesYear,
                     bool keepsClocks, std::optional<ClockReading>& at, std::string& problem) {
  if (!ReadInstant(line, at, problem)) return false;
  if (line.Value("anno") && !takesYear) {
    problem = Said(Exporter::tr("--anno vale con fascicolo"));
    return false;
  }
  return project.Read(line, keepsClocks || at.has_value(), problem);
}

bool ReadOutput(const CommandLine& line, QString& output, std::string& problem) {
  const std::optional<QString> given = line.Value("output");
  if (!given) {
    problem = Said(Exporter::tr("manca --output"));
    return false;
  }
  output = *given;
  return true;
}

bool WriteOutput(ExportIo io, const QString& path, const QByteArray& bytes) {
  QString reason;
  if (io.files.Write(path, bytes, reason)) return true;
  io.err << "quindal-export: "
         << Said(Exporter::tr("impossibile scrivere %1: %2").arg(ShownValue(path), reason)) << "\n";
  return false;
}
