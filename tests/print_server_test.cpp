// The print road through a real CUPS server of the test's own: the page
// that comes out of the queue keeps the true scale whatever the queue's
// defaults or the job's options, carries the job's name, and a page that
// cannot keep it is refused with nothing sent.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QTimer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <cstdio>
#include <QTransform>

#include "language/Language.h"
#include "pdf_pages.h"
#include "piece_recorder.h"
#include "private_cups.h"
#include "devices/ExportDevices.h"
#include "devices/TrueScalePage.h"
#include "devices/WindowFont.h"
#include "shell/CalibrationDialog.h"
#include "shell/Form2.h"
#include "shell/PrintAndSave.h"
#include "shell/PrintJob.h"
#include "shell/PrinterCalibration.h"

namespace {

constexpr double kMmAcross = 2.9625 / 1440 * 25.4;  // millimetres per drawing unit
constexpr double kMmDown = 2.83125 / 1440 * 25.4;

class PrintServerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!PrivateCups::Installed()) return;
    cups_ = new PrivateCups;
    // Before Qt's print support first asks CUPS for anything.
    qputenv("CUPS_SERVER", cups_->Server().toUtf8());
    // Papers cut to the base's page: one that holds the drawing but not the
    // rule below it, and, on a queue with margins, ones whose right or
    // bottom edge falls inside the margin while left and top stay clear.
    const CallList base = *DrawPiece(GRAPH1::DrawBase, "45");
    const QRectF content = PageContentMillimetres(base);
    const QRectF drawing = DrawingBoundsMillimetres(base).translated(10, 10);
    const auto pt = [](double mm) { return int(std::lround(mm * 72 / 25.4)); };
    cups_->AddQueue("Plain", 0, {}, {},
                    {{"NoRule", pt(content.right() + 10), pt(drawing.bottom() + 4)}});
    cups_->AddQueue("Edges", 18, {}, {},  // 6.35 mm on every edge
                    {{"RightEdge", pt(content.right() + 3), pt(content.bottom() + 20)},
                     {"BottomEdge", pt(content.right() + 20), pt(content.bottom() + 3)},
                     {"Roomy", pt(content.right() + 10), pt(content.bottom() + 10)}});
    cups_->AddQueue("Fit", 0, {"fit-to-page-default=true", "print-scaling-default=fit"});
    cups_->AddQueue("Margins35", 99);  // 35 mm
    cups_->AddQueue("OnlyA5", 0, {}, "A5");
  }
  static void TearDownTestSuite() {
    delete cups_;
    cups_ = nullptr;
  }
  void SetUp() override {
    if (!cups_) GTEST_SKIP() << "CUPS is not installed";
    ASSERT_TRUE(cups_->Running()) << cups_->State() << cups_->ErrorLog().toStdString();
  }

  // Prints `calls` on `queue`, A4 landscape, with the job options `extra`
  // already set as a print dialog would; the problem, or nothing.
  static std::optional<QString> Print(const QString& queue, const CallList& calls,
                                      const QStringList& extra = {}) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(queue);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!extra.isEmpty())
      printer.printEngine()->setProperty(QPrintEngine::PrintEnginePropertyKey(0xfe00), extra);
    return PrintTrueScale(printer, calls, "Quindal - Base, latitudine 45°, scostamento 0°");
  }

  // The queue's page, turned so that the drawing reads left to right: CUPS
  // may lay a landscape page on a portrait sheet.
  static QImage Page(const QString& queue) {
    QImage page = RenderPdfPage(cups_->Output(queue));
    if (page.height() > page.width()) page = page.transformed(QTransform().rotate(90));
    return page;
  }

  static PrivateCups* cups_;
};

PrivateCups* PrintServerTest::cups_ = nullptr;

// Runs `run` while answering every modal window that shows, each time it
// is the active one, with `answer`.
void WhileAnswering(const std::function<void(QWidget*)>& answer, const std::function<void()>& run) {
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) answer(modal);
  });
  timer.start(20);
  run();
  timer.stop();
}

// The base's top edge and the two rules on a page, millimetres: the rule
// down is the rightmost long line down.
struct Measured {
  DarkRun top, across;
  double topMm, acrossMm, downMm;
};
Measured Measure(const QImage& page) {
  const auto runs = LongDarkRuns(page, 900);
  const auto down = LongDarkRuns(page.transformed(QTransform().rotate(90)), 900);
  if (runs.size() < 2 || down.empty()) return {};
  return {runs.front(), runs.back(), runs.front().LengthMm(), runs.back().LengthMm(),
          down.back().LengthMm()};
}

// The base's top edge, the rules and the origin, measured on the page.
void ExpectTrueScale(const QImage& page) {
  ASSERT_FALSE(page.isNull());
  EXPECT_NEAR(page.width(), 2970, 3);
  const Measured m = Measure(page);
  EXPECT_NEAR(m.topMm, 3800 * kMmAcross, 0.2);                 // 198.57 mm
  EXPECT_NEAR(m.top.first / 10.0, 10 + 100 * kMmAcross, 0.2);  // the origin, 10 mm in
  EXPECT_NEAR(m.top.row / 10.0, 10 + 12 * kMmDown, 0.2);
  EXPECT_NEAR(m.acrossMm, 100, 0.2);
  EXPECT_NEAR(m.downMm, 100, 0.2);
}

TEST_F(PrintServerTest, PiecesComeOutAtTrueScaleNamedAfterTheJob) {
  for (const char* piece : {"C", "A", "base"}) {  // the base last: its page is measured
    ASSERT_FALSE(Print("Plain", *DrawPiece(PieceNamed(piece)->drawing, "45"))) << piece;
    ASSERT_TRUE(cups_->WaitForJobs());
    const QImage page = Page("Plain");
    const auto runs = LongDarkRuns(page, 900);
    ASSERT_FALSE(runs.empty()) << piece;
    EXPECT_NEAR(runs.back().LengthMm(), 100, 0.2) << piece;  // the rule
  }
  ExpectTrueScale(Page("Plain"));
  EXPECT_EQ(PdfTitle(cups_->Output("Plain")), "Quindal - Base, latitudine 45°, scostamento 0°");
}

TEST_F(PrintServerTest, QueueThatFitsAndTwoPagesPerSheetStillTrueScale) {
  const CallList base = *DrawPiece(GRAPH1::DrawBase, "45");
  ASSERT_FALSE(Print("Fit", base, {"number-up", "2", "fit-to-page", "true"}));
  ASSERT_TRUE(cups_->WaitForJobs());
  ExpectTrueScale(Page("Fit"));
}

TEST_F(PrintServerTest, PagesThatCannotKeepTheScaleAreRefusedUnsent) {
  const CallList base = *DrawPiece(GRAPH1::DrawBase, "45");
  EXPECT_TRUE(Print("Margins35", base));  // the origin lies inside the margin
  // A queue without A4 would put the page on A5, scaled or cropped.
  const auto noA4 = Print("OnlyA5", base);
  ASSERT_TRUE(noA4);
  EXPECT_TRUE(noA4->startsWith("La stampante OnlyA5 non ha il foglio A4")) << noA4->toStdString();
  ASSERT_TRUE(cups_->WaitForJobs());
  EXPECT_FALSE(QFile::exists(cups_->Output("Margins35")));
  EXPECT_FALSE(QFile::exists(cups_->Output("OnlyA5")));
}

// Papers the queue has, refused for the fit alone: the rule and its words
// count, and the margin counts on the right and bottom edges too.
TEST_F(PrintServerTest, FitCountsTheRuleAndEveryEdge) {
  const CallList base = *DrawPiece(GRAPH1::DrawBase, "45");
  const auto printOn = [&](const QString& queue, const char* paper) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(queue);
    const QPrinterInfo info(printer);
    for (const QPageSize& size : info.supportedPageSizes())
      if (size.key() == paper) printer.setPageSize(size);
    printer.setPageOrientation(QPageLayout::Portrait);
    EXPECT_EQ(printer.pageLayout().pageSize().key(), paper) << "the queue lacks the paper";
    return PrintTrueScale(printer, base, "Quindal - Base");
  };
  const QString fit =
      "Il disegno, con la scala di controllo sotto, non entra nel foglio scelto "
      "al netto dei margini della stampante";
  for (const auto& [queue, paper] : {std::pair{"Plain", "NoRule"}, std::pair{"Edges", "RightEdge"},
                                     std::pair{"Edges", "BottomEdge"}}) {
    const auto problem = printOn(queue, paper);
    ASSERT_TRUE(problem) << paper;
    EXPECT_TRUE(problem->startsWith(fit)) << paper << ": " << problem->toStdString();
  }
  ASSERT_TRUE(cups_->WaitForJobs());
  EXPECT_FALSE(QFile::exists(cups_->Output("Edges")));
  EXPECT_FALSE(printOn("Edges", "Roomy")) << "a paper with room to spare";
  ASSERT_TRUE(cups_->WaitForJobs());
  EXPECT_TRUE(QFile::exists(cups_->Output("Edges")));
}

// A printer that shrinks is corrected: measured 98.0 across and 101.0 down,
// the queue's page is stretched by 100/98 and 100/101 and says so. Nonsense
// in the settings prints at true scale.
TEST_F(PrintServerTest, CalibrationStretchesThePrintOnly) {
  const CallList base = *DrawPiece(GRAPH1::DrawBase, "45");
  // Each axis its own factor: measured 120 across and 80 down, the page
  // grows by 1.25 down and no longer fits A4 landscape; nothing is sent.
  ASSERT_TRUE(StoreCalibration("Plain", "A4", {120.0, 80.0}));
  QFile::remove(cups_->Output("Plain"));
  const auto tooTall = Print("Plain", base);
  ASSERT_TRUE(tooTall);
  EXPECT_TRUE(tooTall->startsWith("Il disegno, con la scala di controllo sotto, non entra"))
      << tooTall->toStdString();
  ASSERT_TRUE(cups_->WaitForJobs());
  EXPECT_FALSE(QFile::exists(cups_->Output("Plain")));
  ASSERT_TRUE(StoreCalibration("Plain", "A4", {98.0, 101.0}));
  ASSERT_FALSE(Print("Plain", base));
  ASSERT_TRUE(cups_->WaitForJobs());
  const Measured m = Measure(Page("Plain"));
  std::printf("calibrated print: top edge %.2f mm, rules %.2f and %.2f mm\n", m.topMm, m.acrossMm,
              m.downMm);
  EXPECT_NEAR(m.topMm, 202.62, 0.3);
  EXPECT_NEAR(m.acrossMm, 102.04, 0.3);
  EXPECT_NEAR(m.downMm, 99.01, 0.3);
  QProcess text;
  text.start("pdftotext", {cups_->Output("Plain"), "-"});
  text.waitForFinished();
  EXPECT_TRUE(text.readAllStandardOutput().contains(
      "Stampa calibrata per Plain, foglio A4: righe misurate 98,0 mm e 101,0 mm"));
  // The same settings leave the exported PDF exactly at true scale.
  const Measured exported = Measure(RenderPdfBytes(RenderPdf({&base})));
  EXPECT_NEAR(exported.topMm, 198.57, 0.2);
  EXPECT_NEAR(exported.acrossMm, 100, 0.2);
  EXPECT_NEAR(exported.downMm, 100, 0.2);
  {
    QSettings settings("Quindal", "quindal");
    settings.setValue("calibrazione/Plain/A4/misura_x", "novantotto");
  }
  ASSERT_FALSE(Print("Plain", base));
  ASSERT_TRUE(cups_->WaitForJobs());
  ExpectTrueScale(Page("Plain"));
  EXPECT_TRUE(RemoveCalibration("Plain", "A4"));
}

// What is kept is read strictly: a point as the decimal separator, 80 to
// 120 mm, both axes; anything else is no calibration.
TEST(CalibrationTest, StoredAndTypedMeasurements) {
  const struct {
    const char *x, *y;
    bool kept;
  } kStored[] = {{"98.0", "101", true},  {"80", "120", true},      {"98,0", "101", false},
                 {"79.9", "100", false}, {"100", "120.01", false}, {"nan", "100", false},
                 {"", "100", false},     {"inf", "inf", false}};
  for (const auto& [x, y, kept] : kStored) {
    {
      QSettings settings("Quindal", "quindal");
      settings.setValue("calibrazione/Q/A4/misura_x", x);
      settings.setValue("calibrazione/Q/A4/misura_y", y);
    }
    EXPECT_EQ(StoredCalibration("Q", "A4").has_value(), kept) << x << " " << y;
  }
  EXPECT_TRUE(RemoveCalibration("Q", "A4"));
  EXPECT_FALSE(StoredCalibration("Q", "A4"));
  const struct {
    const char* typed;
    std::optional<double> value;
  } kTyped[] = {{"98,4", 98.4}, {" 98.4 ", 98.4}, {"120", 120.0}, {"120,1", {}},
                {"abc", {}},    {"", {}},         {"1e2", 100.0}};
  for (const auto& [typed, value] : kTyped) EXPECT_EQ(ReadMeasurement(typed), value) << typed;
}

// Settings that cannot be written (the file is a folder: even root cannot
// write it): the dialog says so and what calibration is in force, and stays.
TEST(CalibrationTest, ACalibrationThatCannotBeSavedSaysSo) {
  QTemporaryDir blocked;
  ASSERT_TRUE(QDir(blocked.path()).mkpath("Quindal/quindal.conf"));
  const QString kept = QSettings("Quindal", "quindal").fileName();
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocked.path());
  EXPECT_FALSE(StoreCalibration("Q", "A4", {98.0, 101.0}));
  EXPECT_FALSE(StoredCalibration("Q", "A4"));
  CalibrationDialog measure("Q", "A4");
  measure.across->setText("98");
  measure.down->setText("101");
  QString said;
  WhileAnswering(
      [&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
          said = box->text();
          box->accept();
        }
      },
      [&] { measure.save->click(); });
  EXPECT_EQ(said, QString("Impossibile salvare nelle impostazioni (%1). In vigore: nessuna "
                          "calibrazione.")
                      .arg(blocked.filePath("Quindal/quindal.conf")));
  EXPECT_EQ(measure.result(), 0);  // not closed as if saved
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                     QFileInfo(kept).dir().absolutePath().section('/', 0, -2));
}

// The dialog comes back on what the user chose last, print to file included,
// among the server's real printers; so does the retry after a refusal.
TEST_F(PrintServerTest, PrintDialogComesBackOnTheSessionsChoice) {
  QTemporaryDir dir;
  Form2Slot slot;
  QPrinter& printer = slot.session().printer();
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);  // the session starts so
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("kept.pdf"));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setCopyCount(2);
  ScriptedPanel panel("45", "0");
  GRAPH1::DrawBase(panel, slot);
  // The first dialog is accepted; portrait A4 is too narrow for the base, so
  // the refusal follows and the dialog comes back, where it is cancelled.
  QStringList seen;
  const auto answer = [&](QWidget* modal) {
    if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
      auto* printers = dialog->findChild<QComboBox*>("printers");
      if (!printers->itemText(printers->count() - 1).contains("PDF")) return;  // not filled yet
      const bool file =
          printers->currentIndex() == printers->count() - 1 &&
          dialog->findChild<QLineEdit*>("filename")->text() == dir.filePath("kept.pdf");
      seen << (file ? "file" : printers->currentText());
      seen.size() == 1 ? dialog->accept() : dialog->reject();
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      seen << "message";
      box->accept();
    }
  };
  WhileAnswering(answer, [&] { slot.window()->PrintTrueScale(); });
  EXPECT_EQ(seen, QStringList({"file", "message", "file"}));
  EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
  EXPECT_EQ(printer.copyCount(), 2);
  EXPECT_FALSE(QFile::exists(dir.filePath("kept.pdf")));  // nothing sent
  slot.window()->close();
}

// "Calibra la stampante...": the sheet goes out at true scale even on a
// calibrated queue, the dialog shows the calibration in force, refuses a
// length out of range saying so, and keeps the two lengths measured.
TEST_F(PrintServerTest, CalibrationFromTheDrawingWindowsMenu) {
  // The print dialog takes the queue's own paper.
  const QString paper = QPrinterInfo::printerInfo("Plain").defaultPageSize().key();
  ASSERT_TRUE(StoreCalibration("Plain", paper, {90.0, 110.0}));
  Form2Slot slot;
  QPrinter& printer = slot.session().printer();
  printer.setPrinterName("Plain");
  ScriptedPanel panel("45", "0");
  GRAPH1::DrawBase(panel, slot);
  QStringList seen;
  const auto answer = [&](QWidget* modal) {
    if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
      seen << "print";
      dialog->accept();
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      seen << box->text();
      box->defaultButton()->click();
    } else if (auto* measure = qobject_cast<CalibrationDialog*>(modal)) {
      if (seen.size() == 2) seen << measure->inForce->text();
      measure->across->setText(seen.size() == 3 ? "130" : "98,0");
      measure->down->setText("101");
      if (seen.size() == 3) seen << "130";
      // After this answer returns: the refusal's box runs a loop of its own.
      QTimer::singleShot(0, measure->save, &QPushButton::click);
    }
  };
  WhileAnswering(answer, [&] { slot.window()->calibrateAction()->trigger(); });
  EXPECT_EQ(seen, QStringList({"Si stampa il foglio di calibrazione: una riga da 100 mm in "
                               "orizzontale e una in verticale, con una tacca ogni millimetro, "
                               "sempre in scala reale.",
                               "print", "In vigore: righe misurate 90,0 mm e 110,0 mm.", "130",
                               "Le due misure vanno da 80 a 120 mm, con la virgola o il punto "
                               "(per esempio 98,4)."}));
  ASSERT_EQ(printer.pageLayout().pageSize().key(), paper);
  const auto kept = StoredCalibration("Plain", paper);
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->measuredX, 98.0);
  EXPECT_EQ(kept->measuredY, 101.0);
  ASSERT_TRUE(cups_->WaitForJobs());
  const QImage sheet = Page("Plain");
  const auto across = LongDarkRuns(sheet, 900);
  const auto down = LongDarkRuns(sheet.transformed(QTransform().rotate(90)), 900);
  ASSERT_FALSE(across.empty() || down.empty());
  EXPECT_NEAR(across.front().LengthMm(), 100, 0.2);  // true scale, never stretched
  EXPECT_NEAR(down.back().LengthMm(), 100, 0.2);

  // The next print is named after its piece, not the calibration sheet (on
  // X11 the dialog names its file after the document), and once sent the
  // window says where it went, in a line that fades.
  QString offeredFile;
  WhileAnswering(
      [&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
          offeredFile = dialog->printer()->docName();
          dialog->accept();
        }
      },
      [&] { slot.window()->PrintTrueScale(); });
  EXPECT_TRUE(offeredFile.startsWith("Quindal - Base,")) << offeredFile.toStdString();
  ASSERT_TRUE(slot.window()->note());
  EXPECT_EQ(slot.window()->note()->text(), "Stampa inviata: Plain");
  ASSERT_TRUE(cups_->WaitForJobs());
  EXPECT_TRUE(RemoveCalibration("Plain", paper));
  slot.window()->close();
}

// "Stampa speculare": the page turned left to right, the scale kept.
TEST_F(PrintServerTest, MirroredPrintIsTheMirrorOfThePlainOne) {
  const CallList base = *DrawPiece(GRAPH1::DrawBase, "45");
  QPrinter printer(QPrinter::HighResolution);
  printer.setPrinterName("Plain");
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Landscape);
  ASSERT_FALSE(PrintTrueScale(printer, base, "Quindal - Base", true));
  ASSERT_TRUE(cups_->WaitForJobs());
  const QImage mirrored = Page("Plain");
  ExpectTrueScale(mirrored.mirrored(true, false));
  const DarkRun top = Measure(mirrored).top;
  EXPECT_NEAR(top.last / 10.0, 297 - 10 - 100 * kMmAcross, 0.2);  // the origin, at the right
}

// The printer, the paper and the orientation of the last print are chosen
// again at the next run; a printer that has gone is not.
TEST_F(PrintServerTest, PrintSetupIsRememberedForTheNextRun) {
  QTemporaryDir dir;
  const struct {
    const char* printer;
    bool toFile;
    QPageLayout::Orientation orientation;
    const char* expected;
  } kCases[] = {{"Fit", false, QPageLayout::Portrait, "Fit"},
                {"Gone", false, QPageLayout::Landscape, ""},
                {"", true, QPageLayout::Portrait, ""}};
  for (const auto& [name, toFile, orientation, expected] : kCases) {
    SCOPED_TRACE(name);
    QPrinter last(QPrinter::HighResolution);
    if (toFile) {
      last.setOutputFormat(QPrinter::PdfFormat);
      last.setOutputFileName(dir.filePath("kept.pdf"));
    } else {
      last.setPrinterName(name);
    }
    last.setPageSize(QPageSize(QPageSize::A4));
    last.setPageOrientation(orientation);
    RememberPrintSetup(last);
    if (std::string_view(name) == "Gone") {
      QSettings("Quindal", "quindal").setValue("stampa/stampante", "Gone");
    }
    WindowSession next;
    EXPECT_EQ(next.printer().outputFormat() == QPrinter::PdfFormat, toFile);
    EXPECT_EQ(next.printer().outputFileName(), toFile ? dir.filePath("kept.pdf") : QString());
    EXPECT_EQ(next.printer().printerName() == "Gone", false);
    EXPECT_TRUE(!*expected || next.printer().printerName() == expected);
    EXPECT_EQ(next.printer().pageLayout().orientation(), orientation);
    EXPECT_EQ(next.printer().pageLayout().pageSize().key(), "A4");
  }
  QSettings("Quindal", "quindal").remove("stampa");
}

}  // namespace

// Widgets for the print dialog; the offscreen platform needs no display.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  InstallWindowFontSubstitution();
  QApplication app(argc, argv);
  UseLanguage(Language::Italian);
  // The settings of the run's own, never the user's or the machine's.
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.filePath("user"));
  QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, settings.filePath("system"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
