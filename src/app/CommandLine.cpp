#include "app/CommandLine.h"

#include <QFile>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/ExportCommand.h"
#include "devices/FileFormats.h"
#include "drawing/ShownValue.h"

namespace {

struct OptionText {
  const char* name;
  const char* valueName;  // none: a switch
  const char* description;
};

// The options, as the help text and the manual page describe them.
const OptionText kOptions[] = {
    {"latitude", "TESTO",
     "latitudine del luogo in gradi, nord positiva, letta come nella finestra"},
    {"longitude", "TESTO",
     "scostamento in gradi dal meridiano del fuso orario, est positivo, letto come nella "
     "finestra: non la longitudine del luogo (per Treviso, 12,242 - 15 = -2,758; con la "
     "longitudine usare --site-longitude e --timezone, o --place)"},
    {"place", "CITTÀ[, CC]",
     "la città più popolosa con quel nome (CC: codice del paese), "
     "invece di --latitude e --longitude"},
    {"site-longitude", "GRADI",
     "longitudine del luogo (gradi decimali o gradi, primi e secondi); con --timezone e "
     "--latitude, invece di --longitude"},
    {"timezone", "FUSO",
     "fuso orario del luogo, per esempio Europe/Rome; con ombra, fascicolo o --at il fuso degli "
     "orologi, anche con --latitude e --longitude o con --place (se assente: quello della città, "
     "altrimenti quello del sistema)"},
    {"hours", "astronomiche|temporarie", "sistema orario del grafico C (astronomiche se assente)"},
    {"dates", "mesi|decadi", "linee delle date (mesi se assente)"},
    {"output", "FILE",
     "file da scrivere (%1) o, con all, un PDF o una cartella; il DXF è per il taglio: "
     "livelli taglio (il contorno, rosso), piega (blu), incisione (il nero), testi, e le aree "
     "piene sul livello del loro colore (nero, grigio, giallo, oliva)"},
    {"format", "%2",
     "con all e una cartella: il formato dei sei file (svg se assente); con dxf, o svg e "
     "--taglio, i cinque pezzi che si tagliano, senza le istruzioni"},
    {"taglio", nullptr,
     "con un file .svg, o con all e --format svg: l'SVG per il taglio, a livelli come il DXF "
     "(taglio, piega, incisione, ...); con all i cinque pezzi che si tagliano"},
    {"anno", "AAAA",
     "con fascicolo (o progetto), l'anno della tabella di lettura e dell'esempio (se assente: "
     "quest'anno fino a giugno, il prossimo da luglio)"},
    {"progetto", "FILE",
     "un file di progetto (.quindal): il luogo, le ore, le date e l'anno; le opzioni date "
     "accanto ne prendono il posto"},
    {"at", "AAAA-MM-GG HH:MM",
     "l'istante, all'orologio del fuso: con ombra (adesso se assente), o con C o B in un "
     "PNG, che mostra l'ombra come la finestra"},
};

const char kDescription[] =
    "Disegna un pezzo del quindal in un file, senza finestre.\n\n"
    "Comandi (la prima parola, maiuscole o minuscole):\n"
    "%1\n"
    "Per ogni comando tranne places, il luogo: --latitude e --longitude, oppure\n"
    "--place, oppure --site-longitude con --timezone e --latitude, oppure\n"
    "--progetto, di cui le opzioni date cambiano solo i valori che nominano;\n"
    "e le scelte: --hours, --dates (e --timezone per gli orologi di ombra,\n"
    "fascicolo e --at).\n\n"
    "Stato d'uscita: 0 fatto, 1 valori rifiutati, 2 riga di comando errata,\n"
    "3 file non scritto.";

// Qt's own words of the parser ("Utilizzo", "Opzione sconosciuta") in Italian.
void LoadItalianOnce() {
  static const bool loaded = [] {
    if (!QCoreApplication::instance()) return false;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_it"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      delete translator;
      return false;
    }
    return QCoreApplication::installTranslator(translator);
  }();
  (void)loaded;
}

}  // namespace

QStringList ExporterOptionNames() {
  QStringList names;
  for (const OptionText& option : kOptions) names << QString::fromUtf8(option.name);
  return names;
}

CommandLine::CommandLine() {
  LoadItalianOnce();
  parser.setApplicationDescription(QString::fromUtf8(kDescription).arg(CommandsHelp()));
  parser.addPositionalArgument(
      QStringLiteral("PEZZO"),
      QStringLiteral("A, B, C, D, base, istruzioni, all, places, ombra, fascicolo, progetto o "
                     "montaggio"),
      QStringLiteral("PEZZO [TESTO]"));
  // The formats as the table of formats lists them: ".svg, .png, ...", "svg|png|...".
  const auto withFormats = [](const char* text) {
    return QString::fromUtf8(text)
        .replace(QStringLiteral("%1"), u'.' + FormatNames(QStringLiteral(", .")))
        .replace(QStringLiteral("%2"), FormatNames(QStringLiteral("|")));
  };
  for (const OptionText& option : kOptions) {
    if (!option.valueName) {  // a switch
      parser.addOption(
          QCommandLineOption(QString::fromUtf8(option.name), withFormats(option.description)));
      continue;
    }
    parser.addOption(QCommandLineOption(QString::fromUtf8(option.name),
                                        withFormats(option.description),
                                        withFormats(option.valueName)));
  }
  parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                      QStringLiteral("mostra questo aiuto ed esce")));
  parser.addOption(QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                                      QStringLiteral("mostra la versione ed esce")));
}

CommandLine::Outcome CommandLine::Read(const QStringList& arguments) {
  if (!parser.parse(QStringList{QStringLiteral("quindal-export")} + arguments)) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
      problem = QStringLiteral("opzione sconosciuta: ") +
                (unknown.front().size() == 1 ? "-" : "--") + ShownValue(unknown.front());
    } else {
      // Qt's own words for a missing or unexpected value, in the messages'
      // style: lower case, no full stop.
      problem = ShownValue(parser.errorText());
      if (!problem.isEmpty()) problem[0] = problem[0].toLower();
      if (problem.endsWith(u'.')) problem.chop(1);
    }
    return Mistake;
  }
  if (parser.isSet(QStringLiteral("help"))) return Help;
  if (parser.isSet(QStringLiteral("version"))) return Version;
  // Switches (--taglio) too: the parser lists every option as often as it is given.
  const QStringList given = parser.optionNames();
  for (const OptionText& option : kOptions) {
    if (given.count(QString::fromUtf8(option.name)) > 1) {
      problem = QStringLiteral("opzione ripetuta: --%1").arg(QString::fromUtf8(option.name));
      return Mistake;
    }
  }
  return Understood;
}

QString CommandLine::HelpText() const {
  // Qt names the program by the path it was started from: name it plainly.
  QString text = parser.helpText();
  const qsizetype end = text.indexOf(u'\n');
  const qsizetype program = text.lastIndexOf(QStringLiteral(": "), end) + 2;
  const qsizetype options = text.indexOf(u' ', program);
  if (program >= 2 && options > program && options < end)
    text.replace(program, options - program, QStringLiteral("quindal-export"));
  return text;
}

std::optional<QString> CommandLine::Value(const QString& name) const {
  if (!parser.isSet(name)) return std::nullopt;
  return parser.value(name);
}

std::optional<QStringList> TextArguments(int argc, char* argv[], std::string& problem) {
  QStringList words;
  for (int k = 1; k < argc; ++k) {
    const QString word = QFile::decodeName(argv[k]);
    if (QFile::encodeName(word) != QByteArray(argv[k])) {
      problem = "l'argomento " + std::to_string(k) +
                " non è testo UTF-8 (un nome di file in un'altra codifica?): si scriverebbe "
                "sotto un altro nome";
      return std::nullopt;
    }
    words << word;
  }
  return words;
}
