// The booklet as a reader gets it: its pages in order and orientation, the
// six sheets identical to the kit's pages, the cover's rules 100 mm both
// ways, and the reading table against times worked out by hand.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "booklet/Booklet.h"
#include "booklet/ReadingTable.h"
#include "devices/ExportDevices.h"
#include "pdf_pages.h"
#include "piece_recorder.h"

namespace {

// Treviso: its latitude and its offset from the meridian of Europe/Rome.
const BookletSite kTreviso{{45.667, -2.758, DateLineSpacing::Months},
                           HourSystem::Astronomical,
                           "Treviso",
                           "Europe/Rome",
                           2027};

class BookletTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new QTemporaryDir;
    QFile file(folder_->filePath("fascicolo.pdf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(RenderBooklet(kTreviso));
  }
  static void TearDownTestSuite() { delete folder_; }
  static QString Path() { return folder_->filePath("fascicolo.pdf"); }

  // The words of one page, as pdftotext reads them.
  static QString PageText(int page) {
    QProcess text;
    text.start("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), "-enc",
                             "UTF-8", Path(), "-"});
    text.waitForFinished();
    return QString::fromUtf8(text.readAllStandardOutput());
  }

  static QTemporaryDir* folder_;
};
QTemporaryDir* BookletTest::folder_ = nullptr;

TEST_F(BookletTest, PagesInOrderEachPartOnItsOwn) {
  ASSERT_EQ(PdfPageCount(Path()), 12);
  EXPECT_EQ(PdfTitle(Path()),
            "Quindal - fascicolo, Treviso, latitudine 45,667°, scostamento -2,758°");
  const struct {
    int page;
    const char* words;  // "" for a sheet: A4 landscape
  } kPages[] = {{1, "Prima di tutto: misurare"},
                {2, "Materiali e attrezzi"},
                {3, ""},
                {4, ""},
                {5, ""},
                {6, ""},
                {7, ""},
                {8, ""},
                {9, "Montaggio"},
                {10, "Come si usa"},
                {11, "Tabella di lettura"},
                {12, "Scheda di osservazione"}};
  // "Page    3 size: 841.92 x 595.2 pts (A4)", as pdfinfo lists them.
  QProcess info;
  info.start("pdfinfo", {"-f", "1", "-l", "12", Path()});
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
  EXPECT_TRUE(PageText(1).contains("Treviso"));
  EXPECT_TRUE(PageText(1).contains("latitudine 45,667° nord, 2,758° a ovest del meridiano"));
  EXPECT_TRUE(PageText(1).contains("l'anno 2027"));
}

// The sheets are the kit's PDF pages: the same drawing, the same rule.
TEST_F(BookletTest, TheSixSheetsAreTheKitsPages) {
  std::vector<CallList> drawings;
  for (const Piece& piece : kPieces) {
    RecordingCanvas recorder;
    piece.drawing.body(recorder, kTreviso.site);
    drawings.push_back(recorder.Calls());
  }
  std::vector<const CallList*> pages;
  for (const CallList& d : drawings) pages.push_back(&d);
  QTemporaryDir folder;
  QFile kit(folder.filePath("kit.pdf"));
  ASSERT_TRUE(kit.open(QIODevice::WriteOnly));
  kit.write(RenderPdf(pages));
  kit.close();
  for (int k = 0; k < 6; ++k) {
    SCOPED_TRACE(k);
    const QImage sheet = RenderPdfPage(kit.fileName(), k + 1);
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet, RenderPdfPage(Path(), k + 3));
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
// 4 minutes a degree of offset (-2.758 degrees: -11.03 min).
//   1 January: -3 min 29 s - 11.03 min = -14.5 min; 9:00 shows 8:45:28.
//   15 June, summer time: 9:00 is 8:00 mean time; -22 s - 11.03 min: 7:48:36.
//   1 November, summer time over: +16 min 23 s - 11.03 min; 9:00 shows 9:05:21.
TEST(ReadingTableTest, TimesWorkedOutByHand) {
  const std::vector<ReadingRow> rows =
      ReadingTable(kTreviso.site, HourSystem::Astronomical, "Europe/Rome", 2027);
  ASSERT_EQ(rows.size(), 24u);
  const struct {
    std::size_t row;
    const char* date;
    std::array<const char*, 3> shown;
  } kRows[] = {{0, "01/01", {"08:45", "11:45", "14:45"}},
               {11, "15/06", {"07:49", "10:49", "13:49"}},
               {20, "01/11", {"09:05", "12:05", "15:05"}}};
  for (const auto& [row, date, shown] : kRows) {
    EXPECT_EQ(rows[row].date.toString("dd/MM"), date);
    for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(rows[row].shown[k], shown[k]) << date;
  }
  // The southern polar night: no Sun at any of the three.
  const auto polar =
      ReadingTable({-80, 0, DateLineSpacing::Months}, HourSystem::Astronomical, "Etc/UTC", 2027);
  for (const QString& shown : polar[11].shown) EXPECT_EQ(shown, "—");
}

TEST(ReadingTableTest, TheComingYearAndTheFileName) {
  EXPECT_EQ(ComingYear(QDate(2026, 6, 30)), 2026);
  EXPECT_EQ(ComingYear(QDate(2026, 7, 1)), 2027);
  EXPECT_EQ(BookletFileName(kTreviso), "quindal-treviso-2027.pdf");
  BookletSite typed = kTreviso;
  typed.town = "San Donà di Piave";
  EXPECT_EQ(BookletFileName(typed), "quindal-san-donà-di-piave-2027.pdf");
  typed.town.clear();
  EXPECT_EQ(BookletFileName(typed), "quindal-fascicolo-2027.pdf");
}

}  // namespace
