// The print road through a real CUPS server of the test's own: the page
// that comes out of the queue keeps the true scale whatever the queue's
// defaults or the job's options, carries the job's name, and a page that
// cannot keep it is refused with nothing sent.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QTimer>
#include <QPrinter>
#include <QTransform>

#include "pdf_pages.h"
#include "piece_recorder.h"
#include "private_cups.h"
#include "devices/WindowFont.h"
#include "shell/Form2.h"
#include "shell/PrintJob.h"

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
    cups_->AddQueue("Plain", 0);
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

// The base's top edge, the rule and the origin, measured on the page.
void ExpectTrueScale(const QImage& page) {
  ASSERT_FALSE(page.isNull());
  EXPECT_NEAR(page.width(), 2970, 3);
  const auto runs = LongDarkRuns(page, 900);
  ASSERT_GE(runs.size(), 2u);
  const DarkRun top = runs.front(), rule = runs.back();
  EXPECT_NEAR(top.LengthMm(), 3800 * kMmAcross, 0.2);                // 198.57 mm
  EXPECT_NEAR(top.first / 10.0, 10 + 100 * kMmAcross, 0.2);          // the origin, 10 mm in
  EXPECT_NEAR(top.row / 10.0, 10 + 12 * kMmDown, 0.2);
  EXPECT_NEAR(rule.LengthMm(), 100, 0.2);
}

TEST_F(PrintServerTest, PiecesComeOutAtTrueScaleNamedAfterTheJob) {
  for (const char* piece : {"C", "A", "base"}) {  // the base last: its page is measured
    ASSERT_FALSE(Print("Plain", *DrawPiece(PieceNamed(piece)->procedure, "45"))) << piece;
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
  // A sheet the drawing fits but its calibration rule does not.
  QPrinter printer(QPrinter::HighResolution);
  printer.setPrinterName("Plain");
  printer.setPageSize(QPageSize(QSizeF(297, 165), QPageSize::Millimeter));
  EXPECT_TRUE(PrintTrueScale(printer, base, "x"));
  ASSERT_TRUE(cups_->WaitForJobs());
  EXPECT_FALSE(QFile::exists(cups_->Output("Margins35")));
  EXPECT_FALSE(QFile::exists(cups_->Output("OnlyA5")));
}

// The dialog comes back on what the user chose last, print to file included,
// among the server's real printers; so does the retry after a refusal.
TEST_F(PrintServerTest, PrintDialogComesBackOnTheSessionsChoice) {
  QTemporaryDir dir;
  QPrinter& printer = SessionPrinter();
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);  // the session starts so
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("kept.pdf"));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setCopyCount(2);
  Form2Slot slot;
  ScriptedPanel panel("45", "0");
  GRAPH1::DrawBase(panel, slot);
  // The first dialog is accepted; portrait A4 is too narrow for the base, so
  // the refusal follows and the dialog comes back, where it is cancelled.
  QStringList seen;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
      auto* printers = dialog->findChild<QComboBox*>("printers");
      if (!printers->itemText(printers->count() - 1).contains("PDF")) return;  // not filled yet
      const bool file = printers->currentIndex() == printers->count() - 1 &&
                        dialog->findChild<QLineEdit*>("filename")->text() == dir.filePath("kept.pdf");
      seen << (file ? "file" : printers->currentText());
      seen.size() == 1 ? dialog->accept() : dialog->reject();
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      seen << "message";
      box->accept();
    }
  });
  answer.start(20);
  slot.window()->PrintTrueScale();
  answer.stop();
  EXPECT_EQ(seen, QStringList({"file", "message", "file"}));
  EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
  EXPECT_EQ(printer.copyCount(), 2);
  EXPECT_FALSE(QFile::exists(dir.filePath("kept.pdf")));  // nothing sent
  slot.window()->close();
}

}  // namespace

// Widgets for the print dialog; the offscreen platform needs no display.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  InstallWindowFontSubstitution();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
