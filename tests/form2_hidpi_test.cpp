#include <QApplication>
#include <QtTest>

#include "devices/WindowFont.h"
#include "offscreen_screen.h"
#include "shell/Form2.h"
#include "window_test_main.h"

// The drawing window on a screen of device pixel ratio 2: 800 x 600 logical
// pixels, 1600 x 1200 device pixels.
class Form2HighDensityTest : public QObject {
  Q_OBJECT

 private slots:
  void rasterisesAtTheScreensPixels();
  void textScalesWithTheLines();
};

void Form2HighDensityTest::rasterisesAtTheScreensPixels() {
  Form2Slot slot;
  Canvas& canvas = slot.PrepareWindow({});
  Form2* window = slot.window();
  QVERIFY(QTest::qWaitForWindowExposed(window));
  QCOMPARE(window->size(), QSize(800, 600));
  QCOMPARE(window->image().size(), QSize(1600, 1200));
  // One device pixel wide and twice as many of them as at ratio 1 (800).
  canvas.DrawLine(0, 0, 4050, 0);
  int row = 0, elsewhere = 0;
  for (int y = 0; y < 1200; ++y)
    for (int x = 0; x < 1600; ++x)
      (y == 0 ? row : elsewhere) += window->image().pixel(x, y) != 0xFFFFFFFF;
  QVERIFY2(qAbs(row - 1600) <= 1, qPrintable(QString::number(row)));
  QCOMPARE(elsewhere, 0);
  // A point fills the device pixels of one logical pixel.
  canvas.PlotPoint(400, 400);
  for (const QPoint p : {QPoint(158, 151), QPoint(159, 151), QPoint(158, 152), QPoint(159, 152)})
    QCOMPARE(window->image().pixel(p), 0xFF000000u);
  window->close();
}

// The words sit where the lines put them: at ratio 2 a text's ink starts
// below and right of its anchor, within the 2 x 14 pixels the 11-pixel font
// takes at that ratio.
void Form2HighDensityTest::textScalesWithTheLines() {
  Form2Slot slot;
  slot.PrepareWindow({}).PlaceText(2000, 1500, "Giu");
  const QImage& image = slot.window()->image();
  const QPoint anchor(qRound(2000 * 0.1975 * 2), qRound(1500 * 0.18875 * 2));  // (790, 566)
  QRect ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
  QVERIFY(!ink.isEmpty());
  QVERIFY2(ink.left() >= anchor.x() && ink.left() < anchor.x() + 6,
           qPrintable(QString::number(ink.left())));
  QVERIFY2(ink.top() >= anchor.y() && ink.bottom() < anchor.y() + 28,
           qPrintable(QString::number(ink.top())));
  QVERIFY2(ink.height() >= 14, qPrintable(QString::number(ink.height())));  // 8 at ratio 1
  slot.window()->close();
}

int main(int argc, char** argv) {
  return RunWindowTest<Form2HighDensityTest>(argc, argv, {800, 600}, 2);
}

#include "form2_hidpi_test.moc"
