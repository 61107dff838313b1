#include "app/CommandLine.h"

#include <QFile>

#include <QCoreApplication>

#include "app/ExportCommand.h"
#include "devices/FileFormats.h"
#include "drawing/ShownValue.h"
#include "language/Language.h"

namespace {

struct OptionText {
  const char* name;
  const char* valueName;  // none: a switch
  const char* description;
};

// The options, as the help text and the manual page describe them.
const OptionText kOptions[] = {
    {"latitude", QT_TRANSLATE_NOOP("CommandLine", "TESTO"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "latitudine del luogo in gradi, nord positiva, letta come nella finestra")},
    {"longitude", QT_TRANSLATE_NOOP("CommandLine", "TESTO"),
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "scostamento in gradi dal meridiano del fuso orario, est positivo, letto come nella "
         "finestra: non la longitudine del luogo (per Treviso, 12,242 - 15 = -2,758; con la "
         "longitudine usare --site-longitude e --timezone, o --place)")},
    {"place", QT_TRANSLATE_NOOP("CommandLine", "CITTÀ[, CC]"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "la città più popolosa con quel nome (CC: codice del paese), "
                       "invece di --latitude e --longitude")},
    {"site-longitude", QT_TRANSLATE_NOOP("CommandLine", "GRADI"),
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "longitudine del luogo (gradi decimali o gradi, primi e secondi); con --timezone e "
         "--latitude, invece di --longitude")},
    {"timezone", QT_TRANSLATE_NOOP("CommandLine", "FUSO"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "fuso orario del luogo, per esempio Europe/Rome; con ombra, fascicolo o "
                       "--at il fuso degli "
                       "orologi, anche con --latitude e --longitude o con --place (se assente: "
                       "quello della città, "
                       "altrimenti quello del sistema)")},
    {"hours", "astronomiche|temporarie",
     QT_TRANSLATE_NOOP("CommandLine", "sistema orario del grafico C (astronomiche se assente)")},
    {"dates", "mesi|decadi",
     QT_TRANSLATE_NOOP("CommandLine", "linee delle date (mesi se assente)")},
    {"output", QT_TRANSLATE_NOOP("CommandLine", "FILE"),
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "file da scrivere (%1) o, con all, un PDF o una cartella; il DXF è per il taglio: "
         "livelli taglio (il contorno, rosso), piega (blu), incisione (il nero), testi, e le aree "
         "piene sul livello del loro colore (nero, grigio, giallo, oliva)")},
    {"format", "%2",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "con all e una cartella: il formato dei sei file (svg se assente); con dxf, o svg e "
         "--taglio, i cinque pezzi che si tagliano, senza le istruzioni")},
    {"taglio", nullptr,
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "con un file .svg, o con all e --format svg: l'SVG per il taglio, a livelli come il DXF "
         "(taglio, piega, incisione, ...); con all i cinque pezzi che si tagliano")},
    {"anno", QT_TRANSLATE_NOOP("CommandLine", "AAAA"),
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "con fascicolo (o progetto), l'anno della tabella di lettura e dell'esempio (se assente: "
         "quest'anno fino a giugno, il prossimo da luglio)")},
    {"progetto", QT_TRANSLATE_NOOP("CommandLine", "FILE"),
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "un file di progetto (.quindal): il luogo, le ore, le date e l'anno; le opzioni date "
         "accanto ne prendono il posto")},
    {"at", QT_TRANSLATE_NOOP("CommandLine", "AAAA-MM-GG HH:MM"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "l'istante, all'orologio del fuso: con ombra (adesso se "
                       "assente), o con C o B in un PNG, che mostra l'ombra "
                       "come la finestra")},
    {"lingua", "it|en",
     QT_TRANSLATE_NOOP("CommandLine",
                       "la lingua dei messaggi, dell'aiuto e delle parole dei "
                       "disegni: it (italiano) o en (inglese); se assente, "
                       "quella del sistema")},
};

const char kDescription[] =
    QT_TRANSLATE_NOOP("CommandLine",
                      "Disegna un pezzo del quindal in un file, senza finestre.\n\n"
                      "Comandi (la prima parola, maiuscole o minuscole):\n"
                      "%1\n"
                      "Per ogni comando tranne places, il luogo: --latitude e --longitude, oppure\n"
                      "--place, oppure --site-longitude con --timezone e --latitude, oppure\n"
                      "--progetto, di cui le opzioni date cambiano solo i valori che nominano;\n"
                      "e le scelte: --hours, --dates (e --timezone per gli orologi di ombra,\n"
                      "fascicolo e --at).\n\n"
                      "Stato d'uscita: 0 fatto, 1 valori rifiutati, 2 riga di comando errata,\n"
                      "3 file non scritto.");

}  // namespace

QStringList ExporterOptionNames() {
  QStringList names;
  for (const OptionText& option : kOptions) names << QString::fromUtf8(option.name);
  return names;
}

CommandLine::CommandLine() {
  parser.setApplicationDescription(CommandLine::tr(kDescription).arg(CommandsHelp()));
  parser.addPositionalArgument(
      CommandLine::tr("PEZZO"),
      CommandLine::tr("A, B, C, D, base, istruzioni, all, places, ombra, fascicolo, progetto o "
                      "montaggio"),
      CommandLine::tr("PEZZO [TESTO]"));
  // The formats as the table of formats lists them: ".svg, .png, ...", "svg|png|...".
  const auto withFormats = [](const char* text) {
    return CommandLine::tr(text)
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
                                      CommandLine::tr("mostra questo aiuto ed esce")));
  parser.addOption(QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                                      CommandLine::tr("mostra la versione ed esce")));
}

CommandLine::Outcome CommandLine::Read(const QStringList& arguments) {
  if (!parser.parse(QStringList{QStringLiteral("quindal-export")} + arguments)) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
      problem = CommandLine::tr("opzione sconosciuta: %1")
                    .arg((unknown.front().size() == 1 ? "-" : "--") + ShownValue(unknown.front()));
    } else {
      // Qt's own words for a missing or unexpected value, in the messages'
      // style: lower case, no full stop.
      problem = ShownValue(parser.errorText());
      if (!problem.isEmpty()) problem[0] = problem[0].toLower();
      if (problem.endsWith(u'.')) problem.chop(1);
    }
    return Mistake;
  }
  if (parser.isSet(QStringLiteral("lingua")) &&
      !LanguageNamed(parser.value(QStringLiteral("lingua")))) {
    problem = tr("--lingua vuole it o en");
    return Mistake;
  }
  if (parser.isSet(QStringLiteral("help"))) return Help;
  if (parser.isSet(QStringLiteral("version"))) return Version;
  // Switches (--taglio) too: the parser lists every option as often as it is given.
  const QStringList given = parser.optionNames();
  for (const OptionText& option : kOptions) {
    if (given.count(QString::fromUtf8(option.name)) > 1) {
      problem = CommandLine::tr("opzione ripetuta: --%1").arg(QString::fromUtf8(option.name));
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
      problem = CommandLine::tr(
                    "l'argomento %1 non è testo UTF-8 (un nome di file in un'altra "
                    "codifica?): si scriverebbe sotto un altro nome")
                    .arg(k)
                    .toStdString();
      return std::nullopt;
    }
    words << word;
  }
  return words;
}
