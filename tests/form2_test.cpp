#include <QApplication>
#include <QScreen>
#include <QtTest>

#include "devices/ExportDevices.h"
#include "devices/WindowFont.h"
#include "piece_recorder.h"
#include "offscreen_screen.h"
#include "pieces/Pieces.h"
#include "shell/Form2.h"
#include <QComboBox>
#include <QDateEdit>
#include <QTimeZone>
#include <QLabel>
#include <QTimeEdit>
#include "window_test_main.h"

class Form2Test : public QObject {
  Q_OBJECT

 private slots:
  void firstUseCreatesAFullScreenWindow();
  void drawsWithThePixelRuleAndThePalette();
  void secondDrawingLandsOverTheFirst();
  void doubleClickClosesAndTheNextDrawingStartsBlank();
  void windowShowsTheExportersImage();
  void zoomAndPanFollowTheArithmetic();
  void aDragIsNotAClick();
  void theShadowIsPaintedOverTheDrawingNotIntoIt();
  void theShadowOpensAtTheSitesPresentTime();
};

static int InkedPixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) != 0xFFFFFFFF;
  return n;
}

void Form2Test::firstUseCreatesAFullScreenWindow() {
  Form2Slot slot;
  QVERIFY(!slot.window());
  slot.PrepareWindow({});
  Form2* window = slot.window();
  QVERIFY(window);
  QVERIFY(QTest::qWaitForWindowExposed(window));
  QCOMPARE(window->windowTitle(),
           QString("Grafico del quindal con quadro inclinato  ( di Orbelan )"));
  QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
  QVERIFY(window->isFullScreen());
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  QCOMPARE(window->geometry(), screen);
  QCOMPARE(window->image().size(), screen.size());
  QCOMPARE(window->font().family(), QString("MS Sans Serif"));
  QCOMPARE(InkedPixels(window->image()), 0);
  window->close();
}

void Form2Test::drawsWithThePixelRuleAndThePalette() {
  Form2Slot slot;
  Canvas& canvas = slot.PrepareWindow({});
  canvas.DrawLine(100, 12, 3900, 12);
  canvas.PlotPoint(3200, 2400, Colour::LightGrey);
  const QImage& image = slot.window()->image();
  QCOMPARE(image.pixel(20, 2), 0xFF000000u);
  QCOMPARE(image.pixel(770, 2), 0xFF000000u);
  QCOMPARE(image.pixel(19, 2), 0xFFFFFFFFu);
  QCOMPARE(image.pixel(632, 453), 0xFFC0C0C0u);
  QCOMPARE(InkedPixels(image), 752);
  slot.window()->close();
}

void Form2Test::secondDrawingLandsOverTheFirst() {
  Form2Slot slot;
  slot.PrepareWindow({}).DrawLine(0, 100, 1000, 100);
  Form2* first = slot.window();
  slot.PrepareWindow({}).DrawLine(0, 200, 1000, 200);
  QCOMPARE(slot.window(), first);
  const QImage& image = slot.window()->image();
  QCOMPARE(image.pixel(50, RasterCanvas::PixelOf(0, 100).y()), 0xFF000000u);
  QCOMPARE(image.pixel(50, RasterCanvas::PixelOf(0, 200).y()), 0xFF000000u);
  first->close();
}

void Form2Test::doubleClickClosesAndTheNextDrawingStartsBlank() {
  Form2Slot slot;
  slot.PrepareWindow({}).DrawLine(0, 100, 1000, 100);
  QPointer<Form2> window = slot.window();
  QVERIFY(QTest::qWaitForWindowExposed(window));
  QTest::mouseDClick(window, Qt::LeftButton, {}, QPoint(300, 300));
  QTRY_VERIFY(!window);  // closed and destroyed
  QVERIFY(!slot.window());
  slot.PrepareWindow({});
  QVERIFY(slot.window());
  QCOMPARE(InkedPixels(slot.window()->image()), 0);
  slot.window()->close();
}

// The window's image of a piece at the exact size is the exporter's PNG,
// texts included.
void Form2Test::windowShowsTheExportersImage() {
  for (const char* name : {"D", "istruzioni"}) {
    Form2Slot slot;
    ScriptedPanel panel("45", "7,5", true);
    ProcedureOf(*PieceNamed(name), HourSystem::Astronomical)(panel, slot);
    const QImage png = QImage::fromData(Render(FileFormat::Png, slot.window()->calls()), "PNG");
    QCOMPARE(slot.window()->image().convertToFormat(QImage::Format_RGB32),
             png.convertToFormat(QImage::Format_RGB32));
    slot.window()->close();
  }
}

// Where a drawing unit lands in the window's image: the pixel rule at the
// zoom, moved to the view's origin.
static QPoint PixelAt(const Form2& window, float x, float y) {
  const double zoom = window.view().zoom();
  const QPointF origin = window.view().origin();
  return {qRound(x * 0.1975 * zoom) + qRound(origin.x()),
          qRound(y * 0.18875 * zoom) + qRound(origin.y())};
}

void Form2Test::zoomAndPanFollowTheArithmetic() {
  Form2Slot slot;
  Canvas& canvas = slot.PrepareWindow({});
  canvas.DrawLine(2100, 1000, 2100, 2000);  // a column through the middle
  canvas.PlotPoint(2500, 1000);
  Form2* window = slot.window();
  QVERIFY(QTest::qWaitForWindowExposed(window));
  const QImage exact = window->image();

  // Ctrl and the wheel at (600, 150): the drawing's point under it stays.
  const QPointF at(600, 150);
  QWheelEvent wheel(at, window->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton,
                    Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(window, &wheel);
  QCOMPARE(window->view().zoom(), 1.5);
  QCOMPARE(window->view().origin(), QPointF(-300, -75));  // 600 - 600 * 1.5, 150 - 150 * 1.5
  QCOMPARE(PixelAt(*window, 2500, 1000), QPoint(441, 208));
  QCOMPARE(window->image().pixel(441, 208), 0xFF000000u);
  QCOMPARE(window->image().pixel(PixelAt(*window, 2100, 1500)), 0xFF000000u);

  // Ctrl++ twice more at the pointer: 200 %, 300 %; the arrows move by an
  // eighth of the window.
  QCursor::setPos(window->mapToGlobal(QPoint(400, 300)));
  QTest::keyClick(window, Qt::Key_Plus, Qt::ControlModifier);
  QTest::keyClick(window, Qt::Key_Plus, Qt::ControlModifier);
  QCOMPARE(window->view().zoom(), 3.0);
  QCOMPARE(window->view().origin(), QPointF(-1000, -450));
  QTest::keyClick(window, Qt::Key_Right);
  QCOMPARE(window->view().origin(), QPointF(-1100, -450));
  QCOMPARE(PixelAt(*window, 2100, 1500), QPoint(144, 399));
  QCOMPARE(window->image().pixel(144, 399), 0xFF000000u);
  // Never past the drawing's edge: 2400 x 1800 at 300 % in an 800 x 600 window.
  for (int k = 0; k < 40; ++k) QTest::keyClick(window, Qt::Key_Down);
  QCOMPARE(window->view().origin().y(), 600.0 - 1800);

  // Down to 25 % and no further; then Ctrl+0 gives the exact image back.
  for (int k = 0; k < 12; ++k) QTest::keyClick(window, Qt::Key_Minus, Qt::ControlModifier);
  QCOMPARE(window->view().zoom(), 0.25);
  QCOMPARE(window->view().origin(), QPointF(300, 225));  // centred
  QTest::keyClick(window, Qt::Key_F);
  QCOMPARE(window->view().zoom(), 1.0);
  QTest::keyClick(window, Qt::Key_0, Qt::ControlModifier);
  QCOMPARE(window->image(), exact);
  window->close();
}

void Form2Test::aDragIsNotAClick() {
  Form2Slot slot;
  slot.PrepareWindow({});
  QPointer<Form2> window = slot.window();
  QVERIFY(QTest::qWaitForWindowExposed(window));
  QTest::keyClick(window, Qt::Key_Plus, Qt::ControlModifier);  // 150 %: 1200 x 900
  const QPointF origin = window->view().origin();
  QTest::mousePress(window, Qt::LeftButton, {}, QPoint(400, 300));
  QMouseEvent move(QEvent::MouseMove, QPointF(350, 280), window->mapToGlobal(QPointF(350, 280)),
                   Qt::NoButton, Qt::LeftButton, {});
  QApplication::sendEvent(window, &move);
  QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(350, 280));
  QCOMPARE(window->view().origin(), origin + QPointF(-50, -20));
  // A press straight after the drag makes a double-click of the system's.
  QTest::mousePress(window, Qt::LeftButton, {}, QPoint(350, 280));
  QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(350, 280),
                    window->mapToGlobal(QPointF(350, 280)), Qt::LeftButton, Qt::LeftButton, {});
  QApplication::sendEvent(window, &twice);
  QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(350, 280));
  QVERIFY(window);
  QTest::mouseDClick(window, Qt::LeftButton, {}, QPoint(350, 280));  // two clicks
  QTRY_VERIFY(!window);
}

int main(int argc, char** argv) { return RunWindowTest<Form2Test>(argc, argv, {800, 600}, 1); }

#include "form2_test.moc"

// "Simula l'ombra" on plate C: the bar's line says what happens, the shadow
// is painted over the window's image, and neither the image nor the record
// of the drawing changes; another piece takes the bar away.
void Form2Test::theShadowIsPaintedOverTheDrawingNotIntoIt() {
  Form2Slot slot;
  ScriptedPanel panel("45", "0", false);
  panel.zone = "Etc/UTC";
  GRAPH1::DrawPlateC_Astronomical(panel, slot);
  Form2* window = slot.window();
  QVERIFY(QTest::qWaitForWindowExposed(window));
  QVERIFY(window->shadowAction()->isVisible());
  const CallList calls = window->calls();
  const QImage image = window->image().copy();

  QTest::keyClick(window, Qt::Key_O);
  ShadowBar* bar = window->shadowBar();
  QVERIFY(bar && bar->isVisible());
  bar->dateBox->setDate({2026, 6, 21});
  bar->timeBox->setTime({9, 0});
  QCOMPARE(bar->sentence->text(),
           QString("Il quindal segna le 08:58 (o le 15:02), il Sole è alto %1°. L'orologio "
                   "(Etc/UTC, senza ora legale) segna le 09:00 del 21/06/2026: TMF 09:00:00, "
                   "delta %2 min, TSVL 08:58:21.")
               .arg(QLocale().toString(47.5, 'f', 1), QLocale().toString(-1.65, 'f', 2)));
  QVERIFY(bar->sentence->toolTip().startsWith("TMF: tempo medio del fuso"));
  // The whole sentence stands on the 800 x 600 screen, under the drawing:
  // the bar reaches the screen's foot and is as tall as its words.
  QTRY_COMPARE(bar->geometry().bottom(), 599);
  QCOMPARE(bar->width(), 800);
  QVERIFY(bar->y() > 300);
  const QRect words = bar->sentence->geometry();
  QVERIFY(words.top() >= 0 && words.bottom() < bar->height());
  QVERIFY(bar->sentence->heightForWidth(words.width()) <= words.height());
  QVERIFY(window->calls() == calls);
  QCOMPARE(window->image(), image);
  // On screen the plate is shaded below the shadow's edge (y = 1480.8) and
  // left as it is above it, right of the day's column (x = 1899.3) and of the
  // reading beside the dot; the reading stands just above the dot, right of it.
  const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const auto changed = [&](float left, float top, float right, float bottom) {
    const QRect band(PixelAt(*window, left, top), PixelAt(*window, right, bottom));
    int n = 0;
    for (int y = band.top(); y <= band.bottom(); ++y)
      for (int x = band.left(); x <= band.right(); ++x) n += shown.pixel(x, y) != image.pixel(x, y);
    return double(n) / (band.width() * band.height());
  };
  QCOMPARE(changed(2600, 300, 3700, 1450), 0.0);
  QVERIFY(changed(2000, 1520, 3700, 1700) > 0.95);
  QVERIFY(changed(1960, 1340, 2300, 1430) > 0.05);  // the label "08:58 o 15:02"
  // The plate's hour numbers beyond the dial's sides: the edge stops short.
  const auto edgePixels = [&](float x) {
    const QPoint at = PixelAt(*window, x, 1480.8f);
    int n = 0;
    for (int y = at.y() - 2; y <= at.y() + 2; ++y) n += shown.pixel(at.x(), y) == qRgb(20, 30, 120);
    return n;
  };
  QVERIFY(edgePixels(3000) > 0);
  QCOMPARE(edgePixels(3800), 0);

  GRAPH1::DrawPlateA(panel, slot);
  QVERIFY(!window->shadowAction()->isVisible());
  QVERIFY(!bar->isVisible());
  window->close();
}

// The bar opens at the present moment of the site's own zone, not of the
// system's: Kiritimati is 14 hours ahead of UTC, and most of the time on
// another date.
void Form2Test::theShadowOpensAtTheSitesPresentTime() {
  Form2Slot slot;
  ScriptedPanel panel("2", "0", false);
  panel.zone = "Pacific/Kiritimati";
  GRAPH1::DrawPlateB(panel, slot);
  QVERIFY(QTest::qWaitForWindowExposed(slot.window()));
  QTest::keyClick(slot.window(), Qt::Key_O);
  ShadowBar* bar = slot.window()->shadowBar();
  QVERIFY(bar && bar->isVisible());
  const QDateTime there =
      QDateTime::currentDateTime().toTimeZone(QTimeZone(QByteArray("Pacific/Kiritimati")));
  const QDateTime shown(bar->dateBox->date(), bar->timeBox->time(), there.timeZone());
  QVERIFY2(std::abs(shown.secsTo(there)) < 120, qPrintable(shown.toString(Qt::ISODate)));
  QCOMPARE(bar->zoneBox->currentText(), QString("Pacific/Kiritimati"));
  slot.window()->close();
}
