#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <sstream>

#include "app/Exporter.h"
#include "devices/DrawingFile.h"
#include "devices/ExportDevices.h"
#include "devices/SvgCanvas.h"
#include "place/TownIndex.h"
#include "pdf_pages.h"
#include "piece_recorder.h"
#include "svg_reader.h"

// A sheet as the test list names it, not as bytes.
void PrintTo(const Piece& piece, std::ostream* os) { *os << piece.name; }

namespace {

struct Outcome {
  int status;
  std::string err;
  std::string out;
};

Outcome Export(const QStringList& arguments) {
  std::ostringstream out, err;
  const int status = RunExport(arguments, out, err);
  return {status, err.str(), out.str()};
}

class ExporterTest : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QStringList Files() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }
  QTemporaryDir dir_;
};

TEST_F(ExporterTest, UsageErrorsExitTwoAndWriteNothing) {
  const QString out = Path("piece.svg");
  const QList<QStringList> mistakes = {
      {},
      {"E", "--latitude", "45", "--longitude", "0", "--output", out},
      {"base", "--latitude", "45", "--longitude", "0", "--output", out, "--colour", "red"},
      {"base", "--latitude", "45", "--longitude", "0"},
      {"base", "--longitude", "0", "--output", out},
      {"base", "--latitude", "45", "--output", out},
      {"base", "--latitude", "45", "--longitude", "0", "--output"},
      {"base", "--latitude", "45", "--longitude", "0", "--output", Path("piece.txt")},
      {"C", "--latitude", "45", "--longitude", "0", "--hours", "solari", "--output", out},
      {"C", "--latitude", "45", "--longitude", "0", "--dates", "anni", "--output", out},
      {"A", "B", "--latitude", "45", "--longitude", "0", "--output", out},
      {"A", "--latitude", "45", "--longitude", "0", "--output", Path("a.png"), "--taglio"},
      {"all", "--latitude", "45", "--longitude", "0", "--output", Path("a.pdf"), "--taglio"},
      {"fascicolo", "--latitude", "45", "--longitude", "0", "--output", out},
      {"fascicolo", "--latitude", "45", "--longitude", "0", "--output", Path("f.pdf"), "--anno",
       "duemila"},
      {"A", "--latitude", "45", "--longitude", "0", "--output", out, "--anno", "2027"},
      {"montaggio", "--latitude", "45", "--longitude", "0", "--output", out},
      {"montaggio", "--latitude", "45", "--longitude", "0", "--output", Path("m.gltf"), "--at",
       "2026-06-21 12:00"},
  };
  // Its line, and where the whole usage is: not forty lines of it.
  const std::string hint = "\nPer l'aiuto: quindal-export --help\n";
  for (const QStringList& arguments : mistakes) {
    const Outcome outcome = Export(arguments);
    EXPECT_EQ(outcome.status, kExportUsage) << arguments.join(' ').toStdString();
    EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 2) << outcome.err;
    EXPECT_TRUE(outcome.err.ends_with(hint)) << outcome.err;
  }
  EXPECT_TRUE(Files().isEmpty());

  // Qt's parser's mistakes in the messages' own style.
  const struct {
    QStringList arguments;
    const char* line;
  } worded[] = {
      {{"B", "--lat", "45", "--lon", "0"}, "quindal-export: opzione sconosciuta: --lat"},
      {{"B", "-x"}, "quindal-export: opzione sconosciuta: -x"},
      {{"B", "--latitude"}, "quindal-export: valore mancante dopo '--latitude'"},
  };
  for (const auto& c : worded) EXPECT_EQ(Export(c.arguments).err, c.line + hint);
}

// A town draws exactly what typing the texts the site finder writes draws.
TEST_F(ExporterTest, PlaceDrawsWhatTypingItsRoundedTextsDraws) {
  if (!TownIndex::Available()) GTEST_SKIP() << "no town list in this build";
  const Outcome byPlace = Export({"B", "--place", "Treviso", "--output", Path("place.svg")});
  ASSERT_EQ(byPlace.status, kExportOk) << byPlace.err;
  EXPECT_NE(byPlace.err.find("Europe/Rome"), std::string::npos) << byPlace.err;
  ASSERT_EQ(
      Export({"B", "--latitude", "45,667", "--longitude", "-2,758", "--output", Path("typed.svg")})
          .status,
      kExportOk);
  const Outcome bySite = Export({"B", "--latitude", "45,667", "--site-longitude", "12 14 30 E",
                                 "--timezone", "Europe/Rome", "--output", Path("site.svg")});
  ASSERT_EQ(bySite.status, kExportOk) << bySite.err;
  QFile place(Path("place.svg")), typed(Path("typed.svg")), site(Path("site.svg"));
  ASSERT_TRUE(place.open(QIODevice::ReadOnly) && typed.open(QIODevice::ReadOnly) &&
              site.open(QIODevice::ReadOnly));
  const QByteArray typedBytes = typed.readAll();
  EXPECT_EQ(place.readAll(), typedBytes);
  EXPECT_EQ(site.readAll(), typedBytes);  // 12 14 30 E is 12,242 to three places

  // A zone given beside the town is used for everything: Treviso is
  // 12.242 degrees east of London's meridian, and London's noon is Rome's one
  // o'clock; the booklet is London's too. Never Rome's figures under London's name.
  const QStringList london = {"--timezone", "Europe/London", "--at", "2026-06-21 12:00"};
  const Outcome byTown = Export(QStringList{"ombra", "--place", "Treviso"} + london);
  ASSERT_EQ(byTown.status, kExportOk) << byTown.err;
  EXPECT_NE(byTown.err.find("fuso Europe/London (da --timezone; quello della località è "
                            "Europe/Rome)"),
            std::string::npos)
      << byTown.err;
  const Outcome typedLondon =
      Export(QStringList{"ombra", "--latitude", "45,667", "--longitude", "12,242"} + london);
  EXPECT_EQ(byTown.out, typedLondon.out);
  EXPECT_NE(byTown.out.find("fuso\tEurope/London\n"), std::string::npos);
  const Outcome newYork = Export({"ombra", "--place", "Treviso", "--timezone", "America/New_York"});
  EXPECT_EQ(newYork.status, kExportOk) << newYork.err;
  EXPECT_NE(newYork.err.find("meridiano 15° E: all'ora letta togliere 6 ore"), std::string::npos)
      << newYork.err;

  // A name in any language the town list has; a name several towns share
  // is the most populous, and the others are named.
  const struct {
    const char *name, *town, *others;
  } names[] = {{"Sevilla", "Siviglia (Andalusia, Spagna)", "Sevilla (Valle del Cauca, Colombia)"},
               {"Valencia", "Valencia (Carabobo, Venezuela)", "Valencia (Valenza, Spagna)"},
               {"Warszawa", "Varsavia (Voivodato della Masovia, Polonia)", nullptr},
               {"München", "Monaco di Baviera (Baviera, Germania)", nullptr}};
  for (const auto& c : names) {
    const Outcome named = Export({"ombra", "--place", QString::fromUtf8(c.name)});
    ASSERT_EQ(named.status, kExportOk) << named.err;
    EXPECT_NE(named.err.find(std::string("località ") + c.town), std::string::npos) << named.err;
    EXPECT_EQ(named.err.find("anche: ") != std::string::npos, c.others != nullptr) << named.err;
    if (c.others) {
      EXPECT_NE(named.err.find(std::string("anche: ") + c.others), std::string::npos) << named.err;
    }
  }

  // A town far from its zone's meridian, one a continent: drawn for the
  // meridian whole hours nearer, as typing that offset draws it, and read
  // back to its zone's clock through scarto_fuso.
  const struct {
    const char *town, *latitude, *offset, *meridian;
    int shift;
  } far[] = {{"Madrid", "40,416", "-3,703", "0.000", 60},
             {"Reykjavik", "64,135", "-6,895", "-15.000", 60},
             {"Dakar", "14,694", "-2,444", "-15.000", 60},
             {"Mendoza", "-32,891", "6,173", "-75.000", 120},
             {"Chengdu", "30,667", "-0,933", "105.000", 60},
             {"Vladivostok", "43,106", "-3,126", "135.000", 60}};
  for (const auto& c : far) {
    SCOPED_TRACE(c.town);
    ASSERT_EQ(Export({"B", "--place", QString(c.town), "--output", Path("far.svg")}).status,
              kExportOk);
    ASSERT_EQ(Export({"B", "--latitude", QString(c.latitude), "--longitude", QString(c.offset),
                      "--output", Path("far-typed.svg")})
                  .status,
              kExportOk);
    QFile byTown(Path("far.svg")), typedFar(Path("far-typed.svg"));
    ASSERT_TRUE(byTown.open(QIODevice::ReadOnly) && typedFar.open(QIODevice::ReadOnly));
    EXPECT_EQ(byTown.readAll(), typedFar.readAll());
    const Outcome read = Export({"ombra", "--place", QString(c.town), "--at", "2026-03-21 12:00"});
    ASSERT_EQ(read.status, kExportOk) << read.err;
    const auto value = [&](const std::string& key) {
      const std::size_t at = read.out.find(key + "\t") + key.size() + 1;
      return read.out.substr(at, read.out.find('\n', at) - at);
    };
    EXPECT_EQ(value("meridiano"), c.meridian);
    EXPECT_EQ(value("scarto_fuso"), std::to_string(c.shift));
    // The clock reads tmf + scarto_fuso + ora_legale.
    const int clock = 12 * 60 - c.shift - std::stoi(value("ora_legale"));
    EXPECT_EQ(value("tmf"), QTime(0, 0).addSecs(clock * 60).toString("HH:mm:ss").toStdString());
    // A project file keeps the meridian with the site.
    ASSERT_EQ(
        Export({"progetto", "--place", QString(c.town), "--output", Path("far.quindal")}).status,
        kExportOk);
    EXPECT_EQ(Export({"ombra", "--progetto", Path("far.quindal"), "--at", "2026-03-21 12:00"}).out,
              read.out);
  }
  // The site's own longitude with its zone moves the meridian as the town does.
  const Outcome bySiteLongitude =
      Export({"ombra", "--latitude", "40,416", "--site-longitude", "3 42 11 W", "--timezone",
              "Europe/Madrid", "--at", "2026-03-21 12:00"});
  ASSERT_EQ(bySiteLongitude.status, kExportOk) << bySiteLongitude.err;
  EXPECT_NE(bySiteLongitude.out.find("meridiano\t0.000\nscarto_fuso\t60\ntmf\t11:00:00\n"),
            std::string::npos)
      << bySiteLongitude.out;
}

TEST_F(ExporterTest, PlaceMistakesAndTheTownList) {
  if (!TownIndex::Available()) GTEST_SKIP() << "no town list in this build";
  const QString out = Path("piece.svg");
  const struct {
    QStringList arguments;
    int status;
    const char* says;
  } cases[] = {
      {{"B", "--place", "xyzzyq", "--output", out},
       kExportUsage,
       "nessuna località si chiama xyzzyq\n"},
      // Only a town of that very name: not Treviso for "Trevis", nor a
      // Reggio of either kind for "Reggio"; a name spelt wrong gets the
      // towns spelt nearly so.
      {{"B", "--place", "Trevis", "--output", out},
       kExportUsage,
       "nessuna località si chiama Trevis; forse: Treviso (Veneto, Italia)"},
      {{"B", "--place", "trevsio", "--output", out},
       kExportUsage,
       "nessuna località si chiama trevsio; forse: Treviso (Veneto, Italia); Treviri "
       "(Renania-Palatinato, Germania)\n"},
      {{"places", "trevsio"},
       kExportUsage,
       "nessuna località trovata per trevsio; forse: Treviso (Veneto, Italia); "},
      {{"B", "--place", "Reggio", "--output", out},
       kExportUsage,
       "nessuna località si chiama Reggio; forse: Reggio Calabria (Calabria, Italia); "
       "Reggio nell'Emilia (Regione Emilia-Romagna, Italia)\n"},
      {{"places", "zzzzq"}, kExportUsage, "nessuna località trovata per zzzzq\n"},
      {{"B", "--place", "Treviso", "--longitude", "0", "--output", out},
       kExportUsage,
       "--place non va"},
      {{"B", "--place", "Treviso", "--latitude", "45", "--output", out},
       kExportUsage,
       "--place non va"},
      {{"B", "--latitude", "45", "--site-longitude", "12", "--longitude", "0", "--output", out},
       kExportUsage,
       "--longitude non va"},
      {{"B", "--latitude", "45", "--site-longitude", "12", "--output", out},
       kExportUsage,
       "vanno insieme"},
      {{"B", "--latitude", "45", "--site-longitude", "12", "--timezone", "Europe/Nowhere",
        "--output", out},
       kExportUsage,
       "fuso orario sconosciuto: Europe/Nowhere"},
      {{"B", "--latitude", "45", "--site-longitude", "12 61 E", "--timezone", "Europe/Rome",
        "--output", out},
       kExportUsage,
       "longitudine non valida"},
      {{"places"}, kExportUsage, "places vuole"},
      {{"places", "Rome", "--output", out}, kExportUsage, "places vuole"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = Export(c.arguments);
    EXPECT_EQ(outcome.status, c.status) << c.arguments.join(' ').toStdString();
    EXPECT_NE(outcome.err.find(c.says), std::string::npos) << outcome.err;
  }
  EXPECT_TRUE(Files().isEmpty());

  // "Rome, US" is Rome, Georgia; one tab-separated line a town.
  const Outcome rome = Export({"places", "Rome, US"});
  ASSERT_EQ(rome.status, kExportOk);
  const QStringList lines = QString::fromStdString(rome.out).split('\n', Qt::SkipEmptyParts);
  ASSERT_GE(lines.size(), 2);
  const QStringList georgia = lines[0].split('\t');
  ASSERT_EQ(georgia.size(), 7);
  EXPECT_EQ(georgia[0], "Rome");
  EXPECT_EQ(georgia[1], "Georgia");
  EXPECT_EQ(georgia[5], "America/New_York");
  EXPECT_EQ(QString(georgia[6]).replace(',', '.'), "-10.165");
  EXPECT_EQ(Export({"places", "zzzzq"}).out, "");

  // A town of that name, case and accents aside, the most populous first;
  // named on standard error in Italian, whatever the system's language.
  const struct {
    const char* place;
    const char* says;
  } named[] = {
      {"Roma", "località Roma (Lazio, Italia), latitudine 41,892°, fuso Europe/Rome\n"},
      {"ROME", "località Roma (Lazio, Italia), latitudine 41,892°, fuso Europe/Rome\n"},
      {"Milano", "località Milano (Lombardia, Italia), latitudine 45,464°, fuso Europe/Rome\n"},
      {"Napoli", "località Napoli (Campania, Italia), latitudine 40,852°, fuso Europe/Rome\n"},
      {"Monaco di Baviera", "località Monaco di Baviera (Baviera, Germania), latitudine 48,137°"},
      {"forli", "località Forlì (Regione Emilia-Romagna, Italia)"},
  };
  for (const auto& c : named) {
    const Outcome outcome = Export({"B", "--place", c.place, "--output", out});
    EXPECT_EQ(outcome.status, kExportOk) << c.place;
    EXPECT_NE(outcome.err.find(c.says), std::string::npos) << outcome.err;
  }
}

// Every file names its sheet and the site, in the words of the print jobs.
TEST_F(ExporterTest, FilesCarryTheSheetsTitle) {
  const QStringList site = {"--latitude", "45.667", "--longitude", "-2,758"};
  ASSERT_EQ(Export(QStringList{"C"} + site + QStringList{"--output", Path("c.pdf")}).status,
            kExportOk);
  EXPECT_EQ(PdfTitle(Path("c.pdf")),
            "Quindal - Grafico C, latitudine 45,667°, scostamento -2,758°");
  ASSERT_EQ(Export(QStringList{"all"} + site + QStringList{"--output", Path("kit.pdf")}).status,
            kExportOk);
  EXPECT_EQ(PdfTitle(Path("kit.pdf")),
            "Quindal - kit completo, latitudine 45,667°, scostamento -2,758°");
  ASSERT_EQ(Export(QStringList{"base"} + site + QStringList{"--output", Path("b.svg")}).status,
            kExportOk);
  QFile svg(Path("b.svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(svg.readAll());
  while (xml.readNextStartElement() && xml.name() == u"svg") {
    ASSERT_TRUE(xml.readNextStartElement());  // the root's first child
    EXPECT_EQ(xml.name(), u"title");
    EXPECT_EQ(xml.readElementText(), "Quindal - Base, latitudine 45,667°, scostamento -2,758°");
    break;
  }
}

// The conventions of the desktop's command-line programs.
TEST_F(ExporterTest, CommandLineConventions) {
  const QString out = Path("piece.svg");
  const struct {
    QStringList arguments;
    int status;
    const char* firstLine;  // of standard output when it succeeds, else of standard error
  } cases[] = {
      {{"--help"}, kExportOk, "Utilizzo: quindal-export [opzioni] PEZZO [TESTO]"},
      {{"-h"}, kExportOk, "Utilizzo: quindal-export [opzioni] PEZZO [TESTO]"},
      {{"--version"}, kExportOk, "quindal-export 1.1.0"},
      {{"-v"}, kExportOk, "quindal-export 1.1.0"},
      {{"Base", "--latitude=45", "--longitude=-7,5", "--output=" + out}, kExportOk, ""},
      {{"ISTRUZIONI", "--latitude", "45", "--longitude", "0", "--output", out}, kExportOk, ""},
      {{"c", "--latitude", "-33,25", "--longitude", "0", "--output", out}, kExportOk, ""},
      {{"base", "--colour", "red"}, kExportUsage, "quindal-export: opzione sconosciuta: --colour"},
      {{"base", "--latitude", "45", "--longitude", "0", "--output"},
       kExportUsage,
       "quindal-export: valore mancante dopo '--output'"},
      {{"base", "--latitude", "45", "--latitude=46", "--longitude", "0", "--output", out},
       kExportUsage,
       "quindal-export: opzione ripetuta: --latitude"},
      {{"D", "--latitude", "45", "--longitude", "0", "--taglio", "--taglio", "--output",
        Path("d.svg")},
       kExportUsage,
       "quindal-export: opzione ripetuta: --taglio"},
      {{"istruzioni", "--latitude", "45", "--longitude", "0", "--taglio", "--output",
        Path("i.svg")},
       kExportUsage,
       "quindal-export: istruzioni si stampa, non si taglia: niente --taglio"},
      {{"ombra", "--latitude", "45", "--longitude", "0", "--timezone", ""},
       kExportUsage,
       "quindal-export: --timezone vuole un fuso orario, come Europe/Rome"},
      // The words follow --lingua, Qt's own included; the command line's stay.
      {{"--lingua", "en", "--help"}, kExportOk, "Usage: quindal-export [options] PIECE [TEXT]"},
      {{"base", "--colour", "red", "--lingua=en"},
       kExportUsage,
       "quindal-export: unknown option: --colour"},
      {{"istruzioni", "--latitude", "45", "--longitude", "0", "--taglio", "--output", Path("i.svg"),
        "--lingua", "en"},
       kExportUsage,
       "quindal-export: istruzioni is printed, not cut: no --taglio"},
      {{"base", "--latitude", "45", "--lingua", "fr"},
       kExportUsage,
       "quindal-export: --lingua vuole it o en"},
      {{"--lingua", "it", "--help"}, kExportOk, "Utilizzo: quindal-export [opzioni] PEZZO [TESTO]"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = Export(c.arguments);
    EXPECT_EQ(outcome.status, c.status) << c.arguments.join(' ').toStdString();
    const std::string& said = c.status == kExportOk ? outcome.out : outcome.err;
    EXPECT_EQ(said.substr(0, said.find('\n')), c.firstLine) << c.arguments.join(' ').toStdString();
  }
}

// The language of a run of its own, from the environment as a desktop sets
// it or from --lingua: the help's first line, a refusal and plate C's months.
TEST_F(ExporterTest, LanguageFollowsTheSystemUnlessTold) {
  const struct {
    QStringList environment;
    QStringList option;
    bool english;
    bool decimalPoint;  // in the messages' numbers, which follow the desktop's
  } cases[] = {
      {{"LANG=it_IT.UTF-8"}, {}, false, false},
      {{"LANG=C.UTF-8"}, {}, false, false},
      {{"LANG=C"}, {}, false, false},
      {{"LANG=POSIX"}, {}, false, false},
      {{"LANG=fr_FR.UTF-8"}, {}, false, false},  // no French: the Parts' Italian
      {{"LANG=en_GB.UTF-8"}, {}, true, true},
      {{"LC_ALL=en_US.UTF-8", "LANG=it_IT.UTF-8"}, {}, true, true},
      {{"LC_MESSAGES=en_GB.UTF-8", "LANG=it_IT.UTF-8"}, {}, true, false},
      {{"LANGUAGE=it", "LANG=en_US.UTF-8"}, {}, false, true},
      {{"LANGUAGE=fr:en", "LANG=it_IT.UTF-8"}, {}, true, false},
      {{"LANG=en_GB.UTF-8"}, {"--lingua", "it"}, false, true},
      {{"LANG=it_IT.UTF-8"}, {"--lingua", "en"}, true, false},
  };
  const auto run = [](const QStringList& environment, const QStringList& arguments) {
    QProcess exporter;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) env.remove(name);
    for (const QString& setting : environment)
      env.insert(setting.section('=', 0, 0), setting.section('=', 1));
    exporter.setProcessEnvironment(env);
    exporter.start(QUINDAL_EXPORTER, arguments);
    exporter.waitForFinished(30000);
    return QString::fromUtf8(exporter.readAllStandardOutput() + exporter.readAllStandardError());
  };
  const QString plate = Path("c.svg");
  // The month names along the top of plate C, in order.
  const auto months = [&] {
    QFile file(plate);
    QStringList names;
    if (!file.open(QIODevice::ReadOnly)) return names;
    for (const DrawCall& call : ReadSvgCalls(file.readAll()))
      if (const auto* t = std::get_if<TextCall>(&call); t && t->y == 35)
        names << QString::fromStdString(t->text);
    return names;
  };
  for (const auto& c : cases) {
    const std::string what = (c.environment + c.option).join(' ').toStdString();
    EXPECT_EQ(run(c.environment, QStringList{"--help"} + c.option).section('\n', 0, 0),
              c.english ? "Usage: quindal-export [options] PIECE [TEXT]"
                        : "Utilizzo: quindal-export [opzioni] PEZZO [TESTO]")
        << what;
    EXPECT_EQ(
        run(c.environment,
            QStringList{"A", "--latitude", "91", "--longitude", "0", "--output", plate} + c.option),
        c.english ? "Values not allowed !!!\nlatitude 91: outside the range -90 … +90\n"
                  : "Valori non consentiti !!!\nlatitudine 91: fuori dall'intervallo -90 … "
                    "+90\n")
        << what;
    const QString arithmetic =
        run(c.environment, QStringList{"C", "--latitude", "45", "--site-longitude", "12.25",
                                       "--timezone", "Europe/Rome", "--output", plate} +
                               c.option)
            .section('\n', 0, 0);
    QString expected = c.english ? "quindal-export: Longitude 12.25° E - meridian of zone "
                                   "Europe/Rome 15° E = offset -2.75°"
                                 : "quindal-export: Longitudine 12.25° E - meridiano del fuso "
                                   "Europe/Rome 15° E = scostamento -2.75°";
    if (!c.decimalPoint) expected.replace('.', ',');
    EXPECT_EQ(arithmetic, expected) << what;
    EXPECT_EQ(months().mid(0, 3),
              c.english ? QStringList({"Jan", "Feb", "Mar"}) : QStringList({"Gen", "Feb", "Mar"}))
        << what;
  }
}

// The manual pages, English and Italian, and --help name the same options.
TEST(ManualPageTest, OptionsMatchTheHelp) {
  const auto options = [](const QString& text) {
    QSet<QString> names;
    for (const auto& m : QRegularExpression(R"(--([a-z-]+))").globalMatch(text))
      names.insert(m.captured(1));
    return names;
  };
  std::ostringstream out, err;
  RunExport({"--help"}, out, err);
  const QSet<QString> helped = options(QString::fromStdString(out.str()));
  EXPECT_TRUE(helped.contains("site-longitude") && helped.contains("lingua"));
  for (const char* name : {"/data/quindal-export.1", "/data/it/quindal-export.1"}) {
    QFile page(QUINDAL_SOURCE_DIR + QString(name));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << name;
    EXPECT_EQ(options(QString::fromUtf8(page.readAll()).replace("\\-", "-")), helped) << name;
  }
}

TEST_F(ExporterTest, RefusedInputExitsOneAndWritesNothing) {
  const QString out = Path("piece.png");
  // The refusal, then which value and why, in the main window's words.
  const struct {
    const char *piece, *latitude, *longitude, *why;
  } cases[] = {
      {"base", "", "0", "latitudine: manca il valore"},
      {"base", "45", " ", "scostamento: manca il valore"},
      {"base", "95", "0", "latitudine 95: fuori dall'intervallo -90 … +90"},
      {"base", "-90,5", "0", "latitudine -90,5: fuori dall'intervallo -90 … +90"},
      {"base", "45", "20", "scostamento 20: fuori dall'intervallo -15 … +15"},
      {"base", "45", "15,5", "scostamento 15,5: fuori dall'intervallo -15 … +15"},
      {"base", "abc", "0", "latitudine abc: non è un numero"},
      {"base", " 45 ", "1,2,3", "scostamento 1,2,3: non è un numero"},
      {"C", "70", "0", "latitudine 70: oltre il circolo polare non ci sono ore temporarie"},
      {"montaggio", "45", "20", "scostamento 20: fuori dall'intervallo -15 … +15"},
      {"montaggio", "70", "0", "latitudine 70: oltre il circolo polare non ci sono ore temporarie"},
  };
  for (const auto& c : cases) {
    const bool model = std::string_view(c.piece) == "montaggio";
    const Outcome outcome =
        Export({c.piece, "--latitude", c.latitude, "--longitude", c.longitude, "--hours",
                "temporarie", "--output", model ? Path("quindal.glb") : out});
    EXPECT_EQ(outcome.status, kExportRefused) << c.why;
    EXPECT_EQ(outcome.err, std::string("Valori non consentiti !!!\n") + c.why + "\n");
  }
  // A runaway value is quoted by its start only.
  const Outcome runaway =
      Export({"base", "--latitude", QString(100000, 'x'), "--longitude", "0", "--output", out});
  EXPECT_EQ(runaway.err, "Valori non consentiti !!!\nlatitudine " + std::string(80, 'x') +
                             "…: non è un numero\n");
  EXPECT_TRUE(Files().isEmpty());
}

// A project file: written by `progetto`, read back by every command with
// the options beside it overriding it; a file that is no project is a usage
// mistake naming it, values out of range a refusal. Nothing is written.
TEST_F(ExporterTest, ProjectFilesRoundTripAndRefuseWhatIsNoProject) {
  const QString project = Path("treviso.quindal");
  const Outcome written = Export({"progetto", "--latitude", "45,667", "--longitude", "-2,758",
                                  "--timezone", "Europe/Rome", "--hours", "temporarie", "--dates",
                                  "decadi", "--anno", "2027", "--output", project});
  ASSERT_EQ(written.status, kExportOk) << written.err;
  QFile file(project);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(),
            "{\n  \"quindal\": 1,\n  \"luogo\": {\n    \"latitudine\": 45.667,\n"
            "    \"scostamento\": -2.758,\n    \"fuso\": \"Europe/Rome\"\n  },\n"
            "  \"ore\": \"temporarie\",\n  \"date\": \"decadi\",\n  \"anno\": 2027\n}\n");
  // The file draws what the options draw; an option beside it wins.
  ASSERT_EQ(Export({"C", "--progetto", project, "--output", Path("file.svg")}).status, kExportOk);
  ASSERT_EQ(Export({"C", "--latitude", "45.667", "--longitude", "-2.758", "--hours", "temporarie",
                    "--dates", "decadi", "--output", Path("typed.svg")})
                .status,
            kExportOk);
  ASSERT_EQ(
      Export({"C", "--progetto", project, "--hours", "astronomiche", "--output", Path("over.svg")})
          .status,
      kExportOk);
  const auto bytes = [&](const char* name) {
    QFile f(Path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  };
  EXPECT_EQ(bytes("file.svg"), bytes("typed.svg"));
  EXPECT_NE(bytes("over.svg"), bytes("file.svg"));
  const Outcome shadow = Export({"ombra", "--progetto", project, "--at", "2027-03-21 12:00"});
  EXPECT_NE(shadow.out.find("fuso\tEurope/Rome\n"), std::string::npos) << shadow.out;

  // Keys of a newer version are kept when the file is written again.
  const QString later = Path("later.quindal");
  QFile newer(later);
  ASSERT_TRUE(newer.open(QIODevice::WriteOnly));
  newer.write(R"({"quindal": 1, "materiale": {"spessore": 3}, "luogo": {"latitudine": 45,
                  "scostamento": 0, "meridiano": 0}})");
  newer.close();
  ASSERT_EQ(Export({"progetto", "--progetto", later, "--latitude", "46", "--output", later}).status,
            kExportOk);
  QFile again(later);
  ASSERT_TRUE(again.open(QIODevice::ReadOnly));
  EXPECT_EQ(again.readAll(),
            "{\n  \"quindal\": 1,\n  \"luogo\": {\n    \"latitudine\": 46,\n"
            "    \"scostamento\": 0,\n    \"meridiano\": 0\n  },\n  \"ore\": \"astronomiche\",\n"
            "  \"date\": \"mesi\",\n  \"materiale\": {\"spessore\":3}\n}\n");

  const struct {
    QByteArray content;
    int status;
    const char* why;  // after "quindal-export: FILE: ", or the refusal's reason
  } bad[] = {
      {"latitudine = 45", kExportUsage,
       "non è un progetto del quindal (non è JSON: errore vicino al byte 1)"},
      {"[1, 2]", kExportUsage, "non è un progetto del quindal (non è un oggetto JSON)"},
      {R"({"luogo": {"latitudine": 45, "scostamento": 0}})", kExportUsage,
       "non è un progetto del quindal (manca \"quindal\": 1)"},
      {R"({"quindal": 2, "luogo": {}})", kExportUsage,
       "è un progetto di una versione più recente del quindal (\"quindal\": 2): aggiornare il "
       "programma"},
      {R"({"quindal": 1, "luogo": {"scostamento": 0}})", kExportUsage,
       "\"luogo.latitudine\" manca"},
      {R"({"quindal": 1, "luogo": {"latitudine": "45", "scostamento": 0}})", kExportUsage,
       "\"luogo.latitudine\" non è un numero"},
      {R"({"quindal": 1, "luogo": {"latitudine": 45, "scostamento": 0}, "ore": "solari"})",
       kExportUsage, "\"ore\" vuole astronomiche o temporarie"},
      {R"({"quindal": 1, "luogo": {"latitudine": 45, "scostamento": 0, "fuso": 1}})", kExportUsage,
       "\"luogo.fuso\" non è un testo"},
      {QByteArray(10 << 20, 'x'), kExportUsage, "è troppo grande per un progetto (più di 1 MB)"},
      {"{\"quindal\": 1, \"luogo\": {\"nome\": \"Trevis\xf2\"}}", kExportUsage,
       "non è testo UTF-8"},
      {R"({"quindal": 1, "luogo": {"latitudine": 95, "scostamento": 0}})", kExportRefused,
       "latitudine 95: fuori dall'intervallo -90 … +90"},
      {R"({"quindal": 1, "luogo": {"latitudine": 45, "scostamento": 0, "fuso": "Mars/Olympus"}})",
       kExportRefused, "fuso Mars/Olympus: fuso orario sconosciuto"},
  };
  const QString noise = Path("rumore.quindal");
  for (const auto& c : bad) {
    QFile f(noise);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(c.content);
    f.close();
    for (const QString command : {"B", "fascicolo", "progetto"}) {
      const QString output = command == "B"           ? Path("b.svg")
                             : command == "fascicolo" ? Path("f.pdf")
                                                      : Path("p.quindal");
      const Outcome outcome = Export({command, "--progetto", noise, "--output", output});
      EXPECT_EQ(outcome.status, c.status) << c.why;
      EXPECT_EQ(outcome.err, c.status == kExportRefused
                                 ? std::string("Valori non consentiti !!!\n") + c.why + "\n"
                                 : "quindal-export: " + noise.toStdString() + ": " + c.why + "\n");
      EXPECT_FALSE(QFile::exists(output)) << c.why;
    }
  }
  const Outcome missing =
      Export({"B", "--progetto", Path("nessuno.quindal"), "--output", Path("b.svg")});
  EXPECT_EQ(missing.status, kExportUsage);
  EXPECT_TRUE(missing.err.starts_with("quindal-export: " + Path("nessuno.quindal").toStdString() +
                                      ": impossibile leggere il progetto: "))
      << missing.err;
}

// The booklet holds the six sheets: their checks, and plate C's with
// temporary hours, refuse it as they refuse the kit.
TEST_F(ExporterTest, BookletOfElevenPagesOrNothing) {
  const QString out = Path("quindal-2027.pdf");
  const Outcome polar = Export({"fascicolo", "--latitude", "70", "--longitude", "0", "--hours",
                                "temporarie", "--output", out});
  EXPECT_EQ(polar.status, kExportRefused);
  EXPECT_EQ(polar.err,
            "Valori non consentiti !!!\nlatitudine 70: oltre il circolo polare non ci sono ore "
            "temporarie\n");
  EXPECT_TRUE(Files().isEmpty());
  ASSERT_EQ(Export({"fascicolo", "--latitude", "45", "--longitude", "0", "--timezone",
                    "Europe/Rome", "--anno", "2027", "--output", out})
                .status,
            kExportOk);
  EXPECT_EQ(PdfPageCount(out), 11);
}

// `montaggio`: the assembled instrument as glTF, text with its buffer inside
// or binary, the same model either way.
TEST_F(ExporterTest, AssemblyModelAsGltfAndGlb) {
  for (const char* name : {"quindal.gltf", "quindal.glb"}) {
    ASSERT_EQ(Export({"montaggio", "--place", "Treviso", "--output", Path(name)}).status,
              kExportOk);
  }
  QFile text(Path("quindal.gltf")), binary(Path("quindal.glb"));
  ASSERT_TRUE(text.open(QIODevice::ReadOnly) && binary.open(QIODevice::ReadOnly));
  const QJsonObject gltf = QJsonDocument::fromJson(text.readAll()).object();
  EXPECT_EQ(gltf["asset"]["version"].toString(), "2.0");
  QStringList names;
  for (const QJsonValue node : gltf["nodes"].toArray()) names << node["name"].toString();
  EXPECT_EQ(names, QStringList({"base", "D", "C", "B", "A"}));
  EXPECT_EQ(gltf["images"].toArray().size(), 5);
  const QString uri = gltf["buffers"][0]["uri"].toString();
  const QString prefix = "data:application/octet-stream;base64,";
  ASSERT_TRUE(uri.startsWith(prefix));
  const QByteArray buffer = QByteArray::fromBase64(uri.mid(prefix.size()).toLatin1());
  EXPECT_EQ(buffer.size(), gltf["buffers"][0]["byteLength"].toInt());
  // The binary: its header, then the same JSON and the same buffer.
  const QByteArray glb = binary.readAll();
  ASSERT_GT(glb.size(), 20);
  EXPECT_EQ(glb.left(4), "glTF");
  const auto word = [&](int at) { return qFromLittleEndian<quint32>(glb.constData() + at); };
  EXPECT_EQ(word(4), 2u);
  EXPECT_EQ(word(8), quint32(glb.size()));
  const QByteArray json = glb.mid(20, int(word(12)));
  EXPECT_EQ(QJsonDocument::fromJson(json.trimmed()).object()["nodes"], gltf["nodes"]);
  EXPECT_EQ(glb.mid(20 + json.size() + 8, buffer.size()), buffer);
}

TEST_F(ExporterTest, HoursSystemMattersToPlateCOnly) {
  const QStringList temporary67 = {"--latitude", "67", "--longitude", "0", "--hours", "temporarie"};
  EXPECT_EQ(Export(QStringList{"C"} + temporary67 + QStringList{"--output", Path("c.svg")}).status,
            kExportRefused);
  EXPECT_EQ(
      Export(QStringList{"base"} + temporary67 + QStringList{"--output", Path("b.svg")}).status,
      kExportOk);
  EXPECT_EQ(Files(), QStringList{"b.svg"});
}

TEST_F(ExporterTest, FailedWriteExitsThreeNamingThePath) {
  const QString missing = Path("no/such/folder/piece.svg");
  Outcome outcome = Export({"base", "--latitude", "45", "--longitude", "0", "--output", missing});
  EXPECT_EQ(outcome.status, kExportWriteFailed);
  EXPECT_EQ(outcome.err, "quindal-export: impossibile scrivere " + missing.toStdString() +
                             ": la cartella non esiste\n");

  // A folder where the file should go: the folder stays as it was.
  ASSERT_TRUE(QDir(dir_.path()).mkdir("taken.svg"));
  outcome = Export({"base", "--latitude", "45", "--longitude", "0", "--output", Path("taken.svg")});
  EXPECT_EQ(outcome.status, kExportWriteFailed);
  EXPECT_TRUE(QFileInfo(Path("taken.svg")).isDir());
  EXPECT_TRUE(Files().isEmpty());
}

// Root ignores folder permissions: every way a write can fail here is one
// the file system refuses whoever asks, or one injected into the device.
TEST_F(ExporterTest, FailedWritesLeaveEverythingAsItWas) {
  QFile previous(Path("previous.svg"));
  ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
  previous.write("previous");
  previous.close();
  QFile regular(Path("file.txt"));
  ASSERT_TRUE(regular.open(QIODevice::WriteOnly));
  regular.close();
  ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.svg"));
  const QStringList before =
      QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

  struct Case {
    QString output;
    DiskSink::DeviceWriter writer;
    std::string reason;
  };
  const DiskSink::DeviceWriter halfThenError = [](QIODevice& device, const QByteArray& bytes) {
    device.write(bytes.left(bytes.size() / 2));
    return false;
  };
  const std::vector<Case> cases = {
      {Path("folder.svg"), {}, "è una cartella"},
      {Path("file.txt/out.svg"), {}, "una parte del percorso non è una cartella"},
      {Path(QString(300, u'n') + ".svg"), {}, "nome del file troppo lungo"},
      {Path("previous.svg"), halfThenError, "errore di scrittura"},
      {Path("cut.dxf"), halfThenError, "errore di scrittura"},
  };
  for (const Case& c : cases) {
    DiskSink disk(c.writer);
    std::ostringstream out, err;
    const int status = RunExport(
        {"base", "--latitude", "45", "--longitude", "0", "--output", c.output}, out, err, disk);
    EXPECT_EQ(status, kExportWriteFailed) << c.output.toStdString();
    // A long path is quoted by its first 80 characters.
    const QString shown = c.output.size() > 80 ? c.output.left(80) + "…" : c.output;
    const std::string prefix = "quindal-export: impossibile scrivere " + shown.toStdString() + ": ";
    EXPECT_EQ(err.str(), prefix + c.reason + "\n");
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              before);
  }
  ASSERT_TRUE(previous.open(QIODevice::ReadOnly));
  EXPECT_EQ(previous.readAll(), "previous");
}

TEST_F(ExporterTest, FolderThatCannotBeMade) {
  QFile regular(Path("file.txt"));
  ASSERT_TRUE(regular.open(QIODevice::WriteOnly));
  regular.close();
  std::ostringstream out, err;
  EXPECT_EQ(
      RunExport({"all", "--latitude", "45", "--longitude", "0", "--output", Path("file.txt/pezzi")},
                out, err),
      kExportWriteFailed);
  // The system's reason, said once.
  EXPECT_EQ(err.str(), "quindal-export: impossibile creare la cartella " +
                           Path("file.txt/pezzi").toStdString() +
                           ": una parte del percorso non è una cartella\n");
  EXPECT_EQ(Files(), QStringList{"file.txt"});
}

TEST_F(ExporterTest, ExistingFileIsReplacedOnlyByAWholeOne) {
  const QString out = Path("piece.svg");
  QFile old(out);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  EXPECT_EQ(Export({"base", "--latitude", "x", "--longitude", "0", "--output", out}).status,
            kExportRefused);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), "old");
  old.close();
  EXPECT_EQ(Export({"base", "--latitude", "45", "--longitude", "0", "--output", out}).status,
            kExportOk);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_TRUE(old.readAll().startsWith("<?xml"));
  EXPECT_EQ(Files(), QStringList{"piece.svg"});
}

// Every piece through every device.
class EveryPieceTest : public ::testing::TestWithParam<Piece> {
 protected:
  QTemporaryDir dir_;
};

TEST_P(EveryPieceTest, ThroughEveryDevice) {
  const Piece piece = GetParam();
  const auto recorded = DrawPiece(piece.drawing, "41,9", "7,5", true);
  ASSERT_TRUE(recorded);
  const QStringList common = {QString::fromUtf8(piece.name),
                              "--latitude",
                              "41,9",
                              "--longitude",
                              "7,5",
                              "--dates",
                              "decadi",
                              "--output"};

  const QString svgPath = dir_.filePath("piece.svg");
  ASSERT_EQ(Export(common + QStringList{svgPath}).status, kExportOk);
  QFile svg(svgPath);
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  QString root;
  EXPECT_EQ(ReadSvgCalls(svg.readAll(), &root), *recorded);
  EXPECT_EQ(root,
            "width=211.667mm;height=158.75mm;viewBox=0 0 4050.633 3178.808;"
            "preserveAspectRatio=none;");

  const QString pngPath = dir_.filePath("piece.png");
  ASSERT_EQ(Export(common + QStringList{pngPath}).status, kExportOk);
  const QImage png(pngPath);
  EXPECT_EQ(png.size(), QSize(800, 600));

  const QString pdfPath = dir_.filePath("piece.PDF");
  ASSERT_EQ(Export(common + QStringList{pdfPath}).status, kExportOk);
  QFile pdf(pdfPath);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}

INSTANTIATE_TEST_SUITE_P(Pieces, EveryPieceTest, ::testing::ValuesIn(kPieces),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExporterTest, AllSixSheetsInOnePdf) {
  const QString out = Path("quindal.pdf");
  ASSERT_EQ(Export({"all", "--latitude", "45", "--longitude", "0", "--output", out}).status,
            kExportOk);
  EXPECT_EQ(PdfPageCount(out), 6);
  // Page 5 is the base: its top edge is 3800 units, 198.57 mm.
  const auto runs = LongDarkRuns(RenderPdfPage(out, 5), 1500);
  ASSERT_FALSE(runs.empty());
  EXPECT_NEAR(runs.front().LengthMm(), 198.57, 0.2);
}

TEST_F(ExporterTest, AllSixSheetsIntoAFolder) {
  const QString folder = Path("pezzi/nuovi");
  ASSERT_EQ(Export({"all", "--latitude", "-33,25", "--longitude", "7", "--output", folder,
                    "--format", "png"})
                .status,
            kExportOk);
  EXPECT_EQ(QDir(folder).entryList(QDir::Files),
            (QStringList{"base.png", "istruzioni.png", "plate-a.png", "plate-b.png", "plate-c.png",
                         "plate-d.png"}));
  EXPECT_EQ(QImage(QDir(folder).filePath("plate-c.png")).size(), QSize(800, 600));
  // SVG when no format is named, into an existing folder.
  ASSERT_EQ(Export({"all", "--latitude", "45", "--longitude", "0", "--output", folder}).status,
            kExportOk);
  EXPECT_TRUE(QFileInfo(QDir(folder).filePath("plate-a.svg")).size() > 0);
  EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 12);
  // And the cutting files: the five pieces that are cut, not the assembly
  // sheet, which is printed and was not asked for by name.
  const Outcome cutting = Export(
      {"all", "--latitude", "45", "--longitude", "0", "--output", folder, "--format", "dxf"});
  ASSERT_EQ(cutting.status, kExportOk);
  EXPECT_EQ(QDir(folder).entryList({"*.dxf"}, QDir::Files),
            (QStringList{"base.dxf", "plate-a.dxf", "plate-b.dxf", "plate-c.dxf", "plate-d.dxf"}));
  EXPECT_EQ(cutting.err, "");
  // The SVGs for the cutter likewise, in place of the plain ones.
  const Outcome svgs = Export({"all", "--latitude", "45", "--longitude", "0", "--output", folder,
                               "--format", "svg", "--taglio"});
  ASSERT_EQ(svgs.status, kExportOk);
  EXPECT_EQ(svgs.err, "");
  const auto holds = [&](const char* name, const char* text) {
    QFile file(QDir(folder).filePath(name));
    return file.open(QIODevice::ReadOnly) && file.readAll().contains(text);
  };
  EXPECT_TRUE(holds("plate-a.svg", "<path id=\"contorno\""));
  EXPECT_FALSE(holds("istruzioni.svg", "contorno"));  // the plain one, as it was
}

TEST_F(ExporterTest, AllWritesNothingWhenOneSheetRefuses) {
  // Temporary hours refuse 67 degrees: plate C fails, so no sheet is written.
  EXPECT_EQ(Export({"all", "--latitude", "67", "--longitude", "0", "--hours", "temporarie",
                    "--output", Path("quindal.pdf")})
                .status,
            kExportRefused);
  EXPECT_EQ(Export({"all", "--latitude", "67", "--longitude", "0", "--hours", "temporarie",
                    "--output", Path("cartella")})
                .status,
            kExportRefused);
  EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
  EXPECT_EQ(
      Export({"all", "--latitude", "67", "--longitude", "0", "--output", Path("q.pdf")}).status,
      kExportOk);
}

TEST_F(ExporterTest, AllUsageMistakes) {
  const QStringList common = {"all", "--latitude", "45", "--longitude", "0", "--output"};
  EXPECT_EQ(Export(common + QStringList{Path("a.svg")}).status, kExportUsage);
  EXPECT_EQ(Export(common + QStringList{Path("d"), "--format", "jpg"}).status, kExportUsage);
  EXPECT_EQ(Export(common + QStringList{Path("d.pdf"), "--format", "png"}).status, kExportUsage);
  EXPECT_EQ(Export({"A", "--latitude", "45", "--longitude", "0", "--output", Path("a.svg"),
                    "--format", "svg"})
                .status,
            kExportUsage);
  EXPECT_TRUE(Files().isEmpty());
}

TEST(SvgCanvasTest, TextsAndFloatsComeBackExactly) {
  const std::vector<std::string> texts = {"base",
                                          "  dello strumento",
                                          "A & B < C > D",
                                          "\"quoted\" 'single'",
                                          " 12 ",
                                          "-3 ",
                                          "°",
                                          " 41,9°",
                                          "&amp;",
                                          "trailing   "};
  RecordingCanvas recorder;
  float y = 0.1f;
  for (const std::string& text : texts) {
    recorder.PlaceText(1.0f / 3.0f, y, text);
    y = y * 7.77f + 1e-3f;
  }
  recorder.DrawLine(1921.188f, 2982.633f, 3777.98349f, 1e-7f, Colour::DarkYellow);
  recorder.PlotPoint(-0.0f, 3.4028235e38f, Colour::Yellow);
  recorder.PlaceText(1670, 2060, "ORBELAN", Colour::Yellow);
  EXPECT_EQ(ReadSvgCalls(RenderSvg(recorder.Calls())), recorder.Calls());
}

// The desktop's own SVG reader (librsvg, as rsvg-convert) sets every text
// where the PNG export does: hanging from its anchor, within a pixel.
TEST(SvgCanvasTest, LibrsvgSetsTextsWhereThePngDoes) {
  const QString rsvg = QStandardPaths::findExecutable("rsvg-convert");
  ASSERT_FALSE(rsvg.isEmpty()) << "rsvg-convert (librsvg2-bin) is missing";
  RecordingCanvas recorder;
  recorder.PlaceText(400, 300, "Grafico", Colour::White);  // a white anchor leaves only ink
  recorder.PlaceText(2000, 2500, "HEX 12", Colour::White);
  QTemporaryDir dir;
  QFile svg(dir.filePath("t.svg"));
  ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
  svg.write(RenderSvg(recorder.Calls()));
  svg.close();
  QProcess convert;
  convert.start(
      rsvg, {"-w", "800", "-h", "600", "-b", "white", "-o", dir.filePath("t.png"), svg.fileName()});
  ASSERT_TRUE(convert.waitForFinished(60000) && convert.exitCode() == 0)
      << convert.readAllStandardError().toStdString();

  // The box of the dark pixels inside `area`, in screen pixels.
  const auto ink = [](const QImage& image, const QRect& area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
    return box;
  };
  const QImage png = QImage::fromData(RenderPng(recorder.Calls()));
  const QImage drawn(dir.filePath("t.png"));
  ASSERT_EQ(drawn.size(), png.size());
  for (const QRect area : {QRect(60, 40, 200, 40), QRect(380, 450, 200, 40)}) {
    const QRect expected = ink(png, area), got = ink(drawn, area);
    ASSERT_FALSE(expected.isEmpty() || got.isEmpty());
    EXPECT_NEAR(got.top(), expected.top(), 1) << area.top();
    EXPECT_NEAR(got.bottom(), expected.bottom(), 1) << area.top();
    EXPECT_NEAR(got.left(), expected.left(), 1) << area.top();
  }
}

TEST(SvgCanvasTest, FloatTextIsTheShortestExactForm) {
  EXPECT_EQ(FloatText(100), "100");
  EXPECT_EQ(FloatText(1921.188f), "1921.188");
  EXPECT_EQ(FloatText(0.5f), "0.5");
  EXPECT_EQ(FloatText(-3.25f), "-3.25");
}

// What the call lists cannot show: the size of a point's rectangle, and that
// every coordinate of a whole piece is written in its shortest exact form.
TEST(SvgCanvasTest, PointsAreOneScreenPixelAndCoordinatesRoundTrip) {
  const CallList calls = *DrawPiece(GRAPH1::DrawPlateD, "45");
  QXmlStreamReader xml(RenderSvg(calls));
  std::size_t points = 0, coordinates = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto a = xml.attributes();
    if (xml.name() == u"svg" || a.value("id") == u"background") continue;
    if (xml.name() == u"rect") {
      ++points;
      ASSERT_EQ(a.value("width"), u"5.0633");
      ASSERT_EQ(a.value("height"), u"5.298");
    }
    for (const char* name : {"x", "y", "x1", "y1", "x2", "y2"}) {
      if (!a.hasAttribute(name)) continue;
      ++coordinates;
      const QString written = a.value(name).toString();
      ASSERT_EQ(written.toStdString(), FloatText(ReadFloat(written))) << name;
    }
  }
  EXPECT_FALSE(xml.hasError());
  // A rectangle per point and per text's anchor; two coordinates per text.
  const auto lines = std::count_if(calls.begin(), calls.end(), [](const DrawCall& c) {
    return std::holds_alternative<LineCall>(c);
  });
  const std::size_t marks = calls.size() - static_cast<std::size_t>(lines);
  const std::size_t texts =
      static_cast<std::size_t>(std::count_if(calls.begin(), calls.end(), [](const DrawCall& c) {
        return std::holds_alternative<TextCall>(c);
      }));
  EXPECT_EQ(points, marks);
  EXPECT_EQ(coordinates, 4 * static_cast<std::size_t>(lines) + 2 * marks + 2 * texts);
}

TEST(PdfDeviceTest, DrawsAtTrueScaleFromTheTenMillimetreOrigin) {
  RecordingCanvas recorder;
  recorder.DrawLine(100, 12, 3900, 12);      // 3800 units across: 198.57 mm
  recorder.DrawLine(2000, 500, 2000, 2500);  // 2000 units down: 99.90 mm
  const QImage page = RenderPdfBytes(RenderPdf({&recorder.Calls()}));
  ASSERT_FALSE(page.isNull());
  EXPECT_NEAR(page.width(), 2970, 2);  // A4 landscape
  EXPECT_NEAR(page.height(), 2100, 2);

  const auto dark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
  // The row of the horizontal line: 10 mm + 12 units down.
  const int row = static_cast<int>(std::lround((10 + 12 * 2.83125 / 1440 * 25.4) * 10));
  int first = -1, last = -1;
  const int drawingRight = (10 + 4050.633 * 2.9625 / 1440 * 25.4) * 10;  // the rule down is beyond
  for (int r = row - 2; r <= row + 2 && first < 0; ++r) {
    for (int x = 0; x < drawingRight; ++x) {
      if (!dark(x, r)) continue;
      if (first < 0) first = x;
      last = x;
    }
  }
  EXPECT_NEAR(first / 10.0, 10 + 100 * 2.9625 / 1440 * 25.4, 0.2);
  EXPECT_NEAR((last - first) / 10.0, 198.57, 0.2);

  const int column = static_cast<int>(std::lround((10 + 2000 * 2.9625 / 1440 * 25.4) * 10));
  int top = -1, bottom = -1;
  for (int c = column - 2; c <= column + 2 && top < 0; ++c) {
    // Below the horizontal line, above the calibration rule.
    for (int y = row + 20; y < 1400; ++y) {
      if (!dark(c, y)) continue;
      if (top < 0) top = y;
      bottom = y;
    }
  }
  EXPECT_NEAR((bottom - top) / 10.0, 2000 * 2.83125 / 1440 * 25.4, 0.2);
}

}  // namespace
