#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <algorithm>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QTimer>
#include <QTemporaryDir>
#include <QtTest>

#include "devices/TrueScalePage.h"
#include "devices/WindowFont.h"
#include "pdf_pages.h"
#include "piece_recorder.h"
#include "pieces/GRAPH1.h"
#include "shell/Form2.h"
#include "shell/PrintJob.h"
#include "window_test_main.h"

class PrintSaveTest : public QObject {
  Q_OBJECT

 private slots:
  void hintOnceARun();  // first: it needs the run's first drawing window
  void windowRecordsWhatItShows();
  void printedPageIsAtTrueScale();
  void drawingMustFitThePaper();
  void menuShortcutsAndClosing();
  void saveOffersTheSheetsName();
  void saveTellsTheTwoSvgsApartByTheFilter();
};

template <typename Drawing>
static CallList Recorded(Drawing drawing, const char* latitude = "45") {
  return DrawPiece(drawing, latitude).value_or(CallList{});
}

// The first window of the run tells what the menu holds, over the picture
// and not in it; the first key drops the hint, and later windows have none.
void PrintSaveTest::hintOnceARun() {
  Form2Slot slot;
  ScriptedPanel panel("45", "0");
  GRAPH1::DrawBase(panel, slot);
  QPointer<Form2> window = slot.window();
  QVERIFY(window->hint());
  QVERIFY(window->hint()->text().startsWith("Tasto destro"));
  QVERIFY(window->hint()->text().contains("O: simula l'ombra"));
  QVERIFY(window->hint()->geometry().bottom() < window->height());
  QVERIFY(window->calls() == Recorded(GRAPH1::DrawBase));
  QVERIFY(QTest::qWaitForWindowExposed(window));
  QTest::keyClick(window, Qt::Key_Shift);
  QTRY_VERIFY(!window->hint());
  window->close();
  QTRY_VERIFY(!window);
  slot.PrepareWindow({});
  QVERIFY(!slot.window()->hint());
  slot.window()->close();
}

void PrintSaveTest::windowRecordsWhatItShows() {
  Form2Slot slot;
  ScriptedPanel panel("45", "0");
  GRAPH1::DrawBase(panel, slot);
  QPointer<Form2> window = slot.window();
  QVERIFY(window);
  const CallList base = Recorded(GRAPH1::DrawBase);
  QCOMPARE(window->calls().size(), base.size());
  QVERIFY(window->calls() == base);

  // A second piece drawn over the first is recorded after it.
  GRAPH1::DrawInstructions(panel, slot);
  CallList both = base;
  const CallList instructions = Recorded(GRAPH1::DrawInstructions);
  both.insert(both.end(), instructions.begin(), instructions.end());
  QVERIFY(window->calls() == both);

  // The replay gives the identical list.
  RecordingCanvas replayed;
  Replay(window->calls(), replayed);
  QVERIFY(replayed.Calls() == both);
  window->close();
}

void PrintSaveTest::printedPageIsAtTrueScale() {
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("printed.pdf"));
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setFullPage(true);
  QVERIFY(!PrintTrueScale(printer, Recorded(GRAPH1::DrawBase), "Quindal - Base, latitudine 45°"));
  QCOMPARE(PdfTitle(dir.filePath("printed.pdf")), QString("Quindal - Base, latitudine 45°"));
  const QImage page = RenderPdfPage(dir.filePath("printed.pdf"));
  QVERIFY(!page.isNull());
  QVERIFY(qAbs(page.width() - 2970) <= 2);

  const auto runs = LongDarkRuns(page, 900);
  QVERIFY(runs.size() >= 3);
  // The base's top edge: 3800 units across, 198.57 mm, starting 15.23 mm in.
  const DarkRun top = runs.front();
  QVERIFY2(qAbs(top.LengthMm() - 198.57) <= 0.2, qPrintable(QString::number(top.LengthMm())));
  QVERIFY(qAbs(top.first / 10.0 - (10 + 100 * 2.9625 / 1440 * 25.4)) <= 0.2);
  QVERIFY(qAbs(top.row / 10.0 - (10 + 12 * 2.83125 / 1440 * 25.4)) <= 0.2);
  // The calibration rule, the last long run, below the drawing: 100 mm.
  const DarkRun rule = runs.back();
  QVERIFY2(qAbs(rule.LengthMm() - 100) <= 0.2, qPrintable(QString::number(rule.LengthMm())));
  QVERIFY(rule.row / 10.0 > 10 + 2982.633 * 2.83125 / 1440 * 25.4);
  QVERIFY(rule.row / 10.0 < 210);
}

void PrintSaveTest::drawingMustFitThePaper() {
  const auto layout = [](QPageSize::PageSizeId size, QPageLayout::Orientation orientation) {
    QPageLayout l(QPageSize(size), orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    l.setMinimumMargins(QMarginsF(5, 5, 5, 5));
    return l;
  };
  for (const auto& piece : kPieces) {
    const CallList calls = Recorded(piece.drawing);
    QVERIFY2(FitsPrintableArea(calls, layout(QPageSize::A4, QPageLayout::Landscape)),
             piece.name.data());
    QVERIFY2(FitsPrintableArea(calls, layout(QPageSize::A3, QPageLayout::Portrait)),
             piece.name.data());
    QVERIFY2(!FitsPrintableArea(calls, layout(QPageSize::A5, QPageLayout::Landscape)),
             piece.name.data());
  }
  // The rule down stands right of the drawing, past its right edge: the
  // base (208.6 mm with its origin) with the rule does not fit 222 mm across.
  QPageLayout narrow(QPageSize(QSizeF(222, 300), QPageSize::Millimeter), QPageLayout::Portrait,
                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  QVERIFY(!FitsPrintableArea(Recorded(GRAPH1::DrawBase), narrow));
  QVERIFY(PageContentMillimetres(Recorded(GRAPH1::DrawBase)).right() > 222);
  // Plate C is 3940 units (206 mm) wide: not on A4 portrait.
  QVERIFY(!FitsPrintableArea(Recorded(GRAPH1::DrawPlateC_Astronomical),
                             layout(QPageSize::A4, QPageLayout::Portrait)));
  // The bounds take in the texts: the right letter "C" reaches past x = 3940.
  const QRectF bounds = DrawingBoundsMillimetres(Recorded(GRAPH1::DrawPlateC_Astronomical));
  QVERIFY(bounds.right() > 3940 * 2.9625 / 1440 * 25.4);
  QVERIFY(qAbs(bounds.left() - 25 * 2.9625 / 1440 * 25.4) < 0.01);
}

void PrintSaveTest::menuShortcutsAndClosing() {
  Form2Slot slot;
  slot.PrepareWindow({});
  QPointer<Form2> window = slot.window();
  QVERIFY(QTest::qWaitForWindowExposed(window));
  // Shift+F10 and the Menu key open the menu.
  for (const auto& [key, modifiers] :
       {std::pair{Qt::Key_F10, Qt::ShiftModifier}, std::pair{Qt::Key_Menu, Qt::NoModifier}}) {
    qsizetype entries = -1;  // the menu goes when it closes
    QTimer::singleShot(0, [&entries] {
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        const QList<QAction*> shown = menu->actions();
        entries = std::count_if(shown.begin(), shown.end(),
                                [](const QAction* a) { return a->isVisible(); });
        menu->close();
      }
    });
    QTest::keyClick(window, key, modifiers);
    QCOMPARE(entries, 4);
  }
  QCOMPARE(window->contextMenuPolicy(), Qt::ActionsContextMenu);
  const QList<QAction*> actions = window->actions();
  QCOMPARE(actions.size(), 5);
  QCOMPARE(actions[0]->text(), QString("Stampa in scala reale..."));
  QCOMPARE(actions[0]->shortcut(), QKeySequence("Ctrl+P"));
  QCOMPARE(actions[1]->text(), QString("Salva come..."));
  QCOMPARE(actions[1]->shortcut(), QKeySequence("Ctrl+S"));
  // The mirror is a check box, off, for the run only.
  QCOMPARE(actions[2]->text(), QString("Stampa speculare"));
  QVERIFY(actions[2]->isCheckable() && !actions[2]->isChecked());
  QCOMPARE(actions[3]->text(), QString("Calibra la stampante..."));
  // The shadow only over plates B and C.
  QCOMPARE(actions[4]->text(), QString("Simula l'ombra"));
  QCOMPARE(actions[4]->shortcut(), QKeySequence("O"));
  QVERIFY(!actions[4]->isVisible());
  QVERIFY(QTest::qWaitForWindowExposed(window));
  QTest::keyClick(window, Qt::Key_Escape);
  QTRY_VERIFY(!window);

  slot.PrepareWindow({});
  window = slot.window();
  QVERIFY(QTest::qWaitForWindowExposed(window));
  QTest::keyClick(window, Qt::Key_A);  // other keys do nothing
  QVERIFY(window);
  QTest::mouseDClick(window, Qt::LeftButton);
  QTRY_VERIFY(!window);
}

// "Salva come..." opens on a name of the sheet's own, never an empty one.
void PrintSaveTest::saveOffersTheSheetsName() {
  const struct {
    const char *title, *name;
  } cases[] = {{"Quindal - Grafico D, latitudine 45°, scostamento 0°", "quindal-grafico-d.pdf"},
               {"Quindal - Base, latitudine 45°, scostamento 0°", "quindal-base.pdf"},
               {"", "quindal-disegno.pdf"}};
  for (const auto& c : cases) QCOMPARE(SuggestedFileName(c.title), QString(c.name));

  Form2Slot slot;
  slot.PrepareWindow(cases[0].title);
  QPointer<Form2> window = slot.window();
  QString offered;
  QTimer::singleShot(0, [&offered] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<QFileDialog*>(top); dialog && dialog->isVisible()) {
        offered = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        dialog->reject();
      }
    }
  });
  window->saveAction()->trigger();
  QCOMPARE(offered, QString("quindal-grafico-d.pdf"));
  window->close();
}

// The plain SVG and the one for the cutter share their extension: the
// filter chosen tells them apart, typed extension or not.
void PrintSaveTest::saveTellsTheTwoSvgsApartByTheFilter() {
  const struct {
    const char *filter, *typed;
    bool forCutter;
  } cases[] = {{"SVG per il taglio (*.svg)", "pezzo.svg", true},
               {"SVG per il taglio (*.svg)", "pezzo", true},
               {"SVG in scala reale (*.svg)", "pezzo.svg", false}};
  QTemporaryDir folder;
  for (const auto& c : cases) {
    Form2Slot slot;
    ScriptedPanel panel("45", "0", false);
    GRAPH1::DrawBase(panel, slot);
    QTimer::singleShot(0, [&] {
      for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QFileDialog*>(top); dialog && dialog->isVisible()) {
          // As the user picks it from the list of types.
          auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
          const int index = types->findText(c.filter);
          types->setCurrentIndex(index);
          emit types->activated(index);
          emit types->textActivated(types->itemText(index));
          dialog->selectFile(folder.filePath(c.typed));
          QMetaObject::invokeMethod(dialog, "accept");
        }
      }
    });
    slot.window()->saveAction()->trigger();
    QFile written(folder.filePath("pezzo.svg"));
    QVERIFY2(written.open(QIODevice::ReadOnly),
             qPrintable(QDir(folder.path()).entryList(QDir::Files).join(' ')));
    const QByteArray svg = written.readAll();
    QCOMPARE(svg.contains("<path id=\"contorno\""), c.forCutter);  // the base's outline
    QCOMPARE(svg.contains("<line x1="), true);
    written.remove();
    slot.window()->close();
  }
}

int main(int argc, char** argv) { return RunWindowTest<PrintSaveTest>(argc, argv); }

#include "print_save_test.moc"
