#include <QApplication>
#include <QScreen>
#include <QtTest>

#include "devices/WindowFont.h"
#include "shell/Form2.h"

class Form2Test : public QObject {
  Q_OBJECT

 private slots:
  void firstUseCreatesAFullScreenWindow();
  void drawsWithThePixelRuleAndThePalette();
  void secondDrawingLandsOverTheFirst();
  void doubleClickClosesAndTheNextDrawingStartsBlank();
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
  slot.PrepareWindow();
  Form2* window = slot.window();
  QVERIFY(window);
  QVERIFY(QTest::qWaitForWindowExposed(window));
  QCOMPARE(window->windowTitle(), QString("Grafico del quindal con quadro inclinato  ( di Orbelan )"));
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
  Canvas& canvas = slot.PrepareWindow();
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
  slot.PrepareWindow().DrawLine(0, 100, 1000, 100);
  Form2* first = slot.window();
  slot.PrepareWindow().DrawLine(0, 200, 1000, 200);
  QCOMPARE(slot.window(), first);
  const QImage& image = slot.window()->image();
  QCOMPARE(image.pixel(50, RasterCanvas::PixelOf(0, 100).y()), 0xFF000000u);
  QCOMPARE(image.pixel(50, RasterCanvas::PixelOf(0, 200).y()), 0xFF000000u);
  first->close();
}

void Form2Test::doubleClickClosesAndTheNextDrawingStartsBlank() {
  Form2Slot slot;
  slot.PrepareWindow().DrawLine(0, 100, 1000, 100);
  QPointer<Form2> window = slot.window();
  QVERIFY(QTest::qWaitForWindowExposed(window));
  QTest::mouseDClick(window, Qt::LeftButton, {}, QPoint(300, 300));
  QTRY_VERIFY(!window);  // closed and destroyed
  QVERIFY(!slot.window());
  slot.PrepareWindow();
  QVERIFY(slot.window());
  QCOMPARE(InkedPixels(slot.window()->image()), 0);
  slot.window()->close();
}

int main(int argc, char** argv) {
  InstallWindowFontSubstitution();
  QApplication app(argc, argv);
  Form2Test test;
  return QTest::qExec(&test, argc, argv);
}

#include "form2_test.moc"
