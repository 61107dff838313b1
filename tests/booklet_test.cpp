// The booklet as a reader gets it: its pages in order and orientation, the
// six sheets identical to the kit's pages, the cover's rules 100 mm both
// ways, and the reading table against times worked out by hand.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "language/Language.h"
#include "booklet/AssemblySteps.h"
#include "booklet/Booklet.h"
#include "booklet/ReadingTable.h"
#include "place/ZoneMeridian.h"
#include "shadow/ShadowAtInstant.h"
#include "devices/ExportDevices.h"
#include "pdf_pages.h"
#include "piece_recorder.h"

namespace {

// A booklet's project: a site of a town, its zone and year.
CheckedProject TownProject(const DrawingParameters& site, HourSystem hours, const QString& town,
                           const QString& zone, int year) {
  CheckedProject project = ProjectOfSite(site, hours, zone);
  project.project.site.town = town;
  project.project.year = year;
  return project;
}

// Treviso: its latitude and its offset from the meridian of Europe/Rome.
const CheckedProject kTreviso =
    TownProject({45.667, -2.758, DateLineSpacing::Months}, HourSystem::Astronomical, "Treviso",
                "Europe/Rome", 2027);

// The booklet for `site` written under the regional format `locale`, as a
// file in `folder`.
QString WriteBooklet(const QTemporaryDir& folder, const CheckedProject& site, const QLocale& locale,
                     const QString& name) {
  const QLocale saved;
  QLocale::setDefault(locale);
  QFile file(folder.filePath(name));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(RenderBooklet(site));
  QLocale::setDefault(saved);
  return file.fileName();
}

// The words of pages `first` to `last` of a PDF, as pdftotext reads them.
QString PdfText(const QString& path, int first, int last) {
  QProcess text;
  text.start("pdftotext", {"-f", QString::number(first), "-l", QString::number(last), "-enc",
                           "UTF-8", "-layout", path, "-"});
  text.waitForFinished(30000);
  return QString::fromUtf8(text.readAllStandardOutput());
}

const QLocale kItalian(QLocale::Italian, QLocale::Italy);

class BookletTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new QTemporaryDir;
    WriteBooklet(*folder_, kTreviso, kItalian, "fascicolo.pdf");
  }
  static void TearDownTestSuite() { delete folder_; }
  static QString Path() { return folder_->filePath("fascicolo.pdf"); }

  // The words of one page.
  static QString PageText(int page) { return PdfText(Path(), page, page); }

  static QTemporaryDir* folder_;
};
QTemporaryDir* BookletTest::folder_ = nullptr;

TEST_F(BookletTest, PagesInOrderEachPartOnItsOwn) {
  ASSERT_EQ(PdfPageCount(Path()), 11);
  EXPECT_EQ(PdfTitle(Path()),
            "Quindal - fascicolo, Treviso, latitudine 45,667°, scostamento -2,758°");
  const struct {
    int page;
    const char* words;  // "" for a sheet: A4 landscape
  } kPages[] = {{1, "Prima di tutto: misurare"},
                {2, ""},
                {3, ""},
                {4, ""},
                {5, ""},
                {6, ""},
                {7, ""},
                {8, "Montaggio"},
                {9, "Come si usa"},
                {10, "Tabella di lettura"},
                {11, "Scheda di osservazione"}};
  // "Page    3 size: 841.92 x 595.2 pts (A4)", as pdfinfo lists them.
  QProcess info;
  info.start("pdfinfo", {"-f", "1", "-l", "11", Path()});
  info.waitForFinished();
  const QString sizes = QString::fromUtf8(info.readAllStandardOutput());
  for (const auto& [page, words] : kPages) {
    SCOPED_TRACE(page);
    const QRegularExpression size(
        QStringLiteral(R"(Page\s+%1 size:\s+([\d.]+) x ([\d.]+))").arg(page));
    const QRegularExpressionMatch m = size.match(sizes);
    ASSERT_TRUE(m.hasMatch());
    const bool landscape = !*words;
    EXPECT_EQ(m.captured(1).toDouble() > m.captured(2).toDouble(), landscape);
    EXPECT_TRUE(landscape || PageText(page).contains(QString::fromUtf8(words)));
  }
  // The cover holds the site and, as they fit, the materials.
  const QString cover = PageText(1).simplified();
  EXPECT_TRUE(cover.contains("Treviso"));
  EXPECT_TRUE(cover.contains("latitudine 45,667° nord, 2,758° a ovest del meridiano"));
  EXPECT_TRUE(cover.contains("l'anno 2027"));
  EXPECT_TRUE(cover.contains("Materiali e attrezzi"));
  EXPECT_TRUE(cover.contains("Un righello millimetrato"));
}

// The sheets are the kit's PDF pages: the same drawing, the same rule.
TEST_F(BookletTest, TheSixSheetsAreTheKitsPages) {
  const QLocale saved;
  QLocale::setDefault(kItalian);  // the regional format the booklet was written under
  std::vector<CallList> drawings;
  for (const Piece& piece : kPieces) {
    RecordingCanvas recorder;
    piece.drawing.body(recorder, kTreviso.parameters);
    drawings.push_back(recorder.Calls());
  }
  std::vector<const CallList*> pages;
  for (const CallList& d : drawings) pages.push_back(&d);
  QTemporaryDir folder;
  QFile kit(folder.filePath("kit.pdf"));
  ASSERT_TRUE(kit.open(QIODevice::WriteOnly));
  kit.write(RenderPdf(pages));
  kit.close();
  QLocale::setDefault(saved);
  for (int k = 0; k < 6; ++k) {
    SCOPED_TRACE(k);
    const QImage sheet = RenderPdfPage(kit.fileName(), k + 1);
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet, RenderPdfPage(Path(), k + 2));
  }
}

// Before anything is cut: a rule across and one down, each 100 mm.
TEST_F(BookletTest, TheCoversRulesAreOneHundredMillimetresBothWays) {
  const QImage cover = RenderPdfPage(Path(), 1);
  for (const QImage& page : {cover, cover.transformed(QTransform().rotate(90))}) {
    const std::vector<DarkRun> runs = LongDarkRuns(page, 800);
    ASSERT_FALSE(runs.empty());
    EXPECT_NEAR(runs.front().LengthMm(), 100, 0.2);
  }
}

// Worked by hand from the day table: delta is the equation of time plus
// 4 minutes a degree of offset (-2.758 degrees: -11.03 min), and the clock
// is the instrument's reading less delta, plus summer time.
//   1 January: -3 min 29 s - 11.03 min = -14.52 min: add 15.
//   15 June, summer time: -22 s - 11.03 min = -11.40 min: add 60 + 11.4 = 71.
//   1 November, summer time over: +16 min 23 s - 11.03 min = +5.35 min: add -5.
TEST(ReadingTableTest, MinutesToAddWorkedOutByHand) {
  const std::vector<ReadingRow> rows = ReadingTable(kTreviso, 2027);
  ASSERT_EQ(rows.size(), 24u);
  const struct {
    std::size_t row;
    const char* date;
    int summer, add;
    const char* text;
  } kRows[] = {{0, "01/01", 0, 15, "+15 min"},
               {11, "15/06", 60, 71, "+71 min"},
               {20, "01/11", 0, -5, "−5 min"}};
  for (const auto& [row, date, summer, add, text] : kRows) {
    SCOPED_TRACE(date);
    EXPECT_EQ(rows[row].date.toString("dd/MM"), date);
    EXPECT_EQ(rows[row].summerMinutes, summer);
    EXPECT_EQ(rows[row].minutesToAdd, add);
    EXPECT_EQ(SignedMinutesText(rows[row].minutesToAdd), QString::fromUtf8(text));
    EXPECT_TRUE(rows[row].lineClockTimes.empty());
  }
  EXPECT_EQ(SignedMinutesText(0), "0 min");
}

// The temporary hours' table, read back through the shadow's own
// computation: at each clock time it gives, the shadow stands on that line.
TEST(ReadingTableTest, TemporaryLinesAgreeWithTheShadow) {
  const struct {
    const char* zone;
    DrawingParameters site;
    std::optional<double> meridian;  // the plates', where moved from the zone's
  } kSites[] = {{"Europe/Rome", kTreviso.parameters, {}},
                {"Australia/Sydney", {-33.868, 1.209, DateLineSpacing::Months}, {}},
                {"Europe/Madrid", {40.416, -3.703, DateLineSpacing::Months}, 0}};  // an hour on
  for (const auto& [zone, site, meridian] : kSites) {
    SCOPED_TRACE(zone);
    CheckedProject project = ProjectOfSite(site, HourSystem::Temporary, zone);
    project.project.site.meridian = meridian;
    const std::vector<ReadingRow> rows = ReadingTable(project, 2027);
    double worst = 0;
    for (const ReadingRow& row : rows) {
      ASSERT_EQ(row.lineClockTimes.size(), 11u);
      QTime before;
      for (int line = 1; line <= 11; ++line) {
        const QTime clock = QTime::fromString(row.lineClockTimes[line - 1], "HH:mm");
        ASSERT_TRUE(clock.isValid()) << row.lineClockTimes[line - 1].toStdString();
        EXPECT_TRUE(!before.isValid() || before < clock);  // in order through the day
        before = clock;
        const ShadowOutcome at = ShadowAt({project, row.date, clock});
        ASSERT_TRUE(at.reading && at.reading->temporaryHour);
        worst = std::max(worst, std::fabs(*at.reading->temporaryHour - line));
      }
    }
    // The table rounds to the minute: half a minute is under 0.02 temporary hours.
    EXPECT_LT(worst, 0.02);
  }
}

// What a family reads in booklets for other sites, hour systems and
// regional formats: the words each one must hold and must not.
TEST(BookletWordsTest, EachBookletSaysWhatItsReaderNeeds) {
  // An offset that makes 15 May's delta -0.01 min: "−0,0" would show.
  const ShadowOutcome may = ShadowAt(
      {ProjectOfSite({45, 0, DateLineSpacing::Months}, HourSystem::Astronomical, "Europe/Rome"),
       {2027, 5, 15},
       {10, 0}});
  ASSERT_TRUE(may.reading);
  const double zeroDelta = -(may.reading->deltaMinutes + 0.01) / 4;
  CheckedProject temporary = kTreviso, lordHowe = kTreviso, nearZero = kTreviso;
  temporary.project.hours = HourSystem::Temporary;
  lordHowe.parameters = {-31.55, 9.08, DateLineSpacing::Months};
  lordHowe.project.site.town = "Lord Howe Island";
  lordHowe.project.site.zone = "Australia/Lord_Howe";
  nearZero.parameters.LongitudeOffset = zeroDelta;
  const struct {
    const char* what;
    CheckedProject site;
    QLocale locale;
    std::vector<const char*> holds, lacks;  // regular expressions
    Language language = Language::Italian;
  } kBooklets[] = {
      {"temporary hours",
       temporary,
       kItalian,
       {"0 all'alba, 6 a mezzogiorno vero, 12 al tramonto",
        "ora temporaria \\d{1,2}:\\d\\d o "
        "\\d{1,2}:\\d\\d",
        "Data\\s+1\\s+2\\s+3\\s+4\\s+5\\s+6\\s+7\\s+8\\s+9\\s+10\\s+11", "TMF \\+ 1 ora"},
       {"ora temporaria \\d+,\\d", "tempo vero locale\\)"}},
      {"equal hours: minutes to add, summer time marked",
       kTreviso,
       kItalian,
       {"01/01\\s+\\+15 min", "15/06 \\(ora legale\\)\\s+\\+71 min", "01/11\\s+−5 min",
        "si aggiungono [+−]\\d+ min"},
       {"ore 9:00"}},
      {"half an hour of summer time", lordHowe, kItalian, {"TMF \\+ 30 minuti"}, {"1 ora"}},
      {"a C locale: the sheets' separator everywhere",
       kTreviso,
       QLocale::c(),
       {"latitudine 45\\.667° nord", "45\\.667"},
       {"45,667", "\\d,\\d"}},
      {"a delta that rounds to zero", nearZero, kItalian, {"delta = 0,0 min"}, {"[-−]0,0\\b"}},
      {"in English, every page: the words, not the numbers",
       kTreviso,
       kItalian,
       {"First of all: measure", "latitude 45,667° north, 2,758° west of the zone's meridian",
        "Jan Feb Mar", "45,667° NORTH", "ASSEMBLY INSTRUCTIONS FOR THE QUINDAL", "Assembly",
        "How to use it", "Plate B, in the column of \\d\\d/\\d\\d, gives delta", "Reading table",
        "15/06 \\(summer time\\)\\s+\\+71 min", "Observation sheet", "For the teacher"},
       {"Come si usa", "latitudine", "Gen Feb", "ora legale"},
       Language::English},
  };
  QTemporaryDir folder;
  for (const auto& b : kBooklets) {
    SCOPED_TRACE(b.what);
    UseLanguage(b.language);
    const QString path = WriteBooklet(folder, b.site, b.locale, "b.pdf");
    UseLanguage(Language::Italian);
    const QString text = PdfText(path, 1, 11).simplified();
    for (const char* pattern : b.holds)
      EXPECT_TRUE(text.contains(QRegularExpression(QString::fromUtf8(pattern)))) << pattern;
    for (const char* pattern : b.lacks)
      EXPECT_FALSE(text.contains(QRegularExpression(QString::fromUtf8(pattern)))) << pattern;
  }
  EXPECT_EQ(LongestSummerMinutes("Australia/Lord_Howe", 2027), 30);
  EXPECT_EQ(LongestSummerMinutes("Europe/Rome", 2027), 60);
  EXPECT_EQ(LongestSummerMinutes("Asia/Kolkata", 2027), 0);
  EXPECT_EQ(LongestSummerMinutes("Antarctica/Troll", 2027), 120);
}

// The assembly pictures stand as the steps' words say: D and B upright, C
// at 45 degrees from the top of D to the base, A at 60 degrees from the top
// of B to the base.
TEST(AssemblyProfileTest, PlatesStandAtTheirAngles) {
  const auto parts = AssemblyProfileOf(AssembleInstrument({})).plates;
  const struct {
    const char* name;
    double degrees;
  } kAngles[] = {{"D", 90}, {"C", 45}, {"B", 90}, {"A", 60}};
  for (std::size_t k = 0; k < parts.size(); ++k) {
    SCOPED_TRACE(kAngles[k].name);
    EXPECT_STREQ(parts[k].name, kAngles[k].name);
    const QPointF along = parts[k].to - parts[k].from;
    EXPECT_NEAR(std::atan2(along.y(), std::fabs(along.x())) * 180 / M_PI, kAngles[k].degrees, 1e-9);
    EXPECT_NEAR(parts[k].from.y(), 0, 1e-6);  // its foot on the base
  }
  EXPECT_EQ(parts[1].to, parts[0].to);            // C leans on the top of D
  EXPECT_EQ(parts[3].to, parts[2].to);            // A on the top of B
  EXPECT_NEAR(parts[2].to.y(), 26.0 / 27, 1e-6);  // B a 27th lower than D
}

TEST(ReadingTableTest, TheComingYearAndTheFileName) {
  EXPECT_EQ(ComingYear(QDate(2026, 6, 30)), 2026);
  EXPECT_EQ(ComingYear(QDate(2026, 7, 1)), 2027);
  EXPECT_EQ(BookletFileName(kTreviso), "quindal-treviso-2027.pdf");
  CheckedProject typed = kTreviso;
  typed.project.site.town = "San Donà di Piave";
  EXPECT_EQ(BookletFileName(typed), "quindal-san-donà-di-piave-2027.pdf");
  typed.project.site.town.clear();
  EXPECT_EQ(BookletFileName(typed), "quindal-fascicolo-2027.pdf");
}

}  // namespace
