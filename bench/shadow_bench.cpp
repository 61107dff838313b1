// One frame of the shadow's animation: the window paints the image it
// already has, then the shadow over it at the next minute. The frame of the
// window alone is the figure to compare with.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTimeEdit>

#include "devices/RasterCanvas.h"
#include "drawing/DrawingUnits.h"
#include "pieces/Pieces.h"
#include "shadow/ShadowAtInstant.h"
#include "shadow/ShadowOverlay.h"
#include "language/Language.h"
#include "shell/Form1.h"
#include "shell/Form2.h"
#include "shell/ShadowBar.h"

namespace {

constexpr DrawingParameters kSite{45, 7.5, DateLineSpacing::TenDays};

// The screen: 800 x 600 at the exact size, or 1920 x 1080 with the plate
// fitted to it, as F does.
struct Screen {
  QSize size;
  double zoom;
};
Screen ScreenOf(const benchmark::State& state) {
  return state.range(0) == 0 ? Screen{{800, 600}, 1.0} : Screen{{1920, 1080}, 1.8};
}

QImage PlateImage(const Screen& screen) {
  QImage image(screen.size, QImage::Format_RGB32);
  image.fill(Qt::white);
  RasterCanvas canvas(image, RasterView{screen.zoom, {0, 0}});
  PieceNamed("C")->drawing.body(canvas, kSite);
  return image;
}

void WindowFrame(benchmark::State& state) {
  const Screen screen = ScreenOf(state);
  const QImage plate = PlateImage(screen);
  QImage window(screen.size, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter painter(&window);
    painter.drawImage(QPoint(0, 0), plate);
    benchmark::DoNotOptimize(window.constBits());
  }
}

void ShadowFrame(benchmark::State& state) {
  const Screen screen = ScreenOf(state);
  const QImage plate = PlateImage(screen);
  QImage window(screen.size, QImage::Format_ARGB32_Premultiplied);
  const QTransform toWindow(screen.zoom * DrawingUnits::kPixelsAcross, 0, 0,
                            screen.zoom * DrawingUnits::kPixelsDown, 0, 0);
  int minute = 8 * 60;
  for (auto _ : state) {
    minute = minute < 16 * 60 ? minute + 1 : 8 * 60;
    const ShadowOutcome outcome =
        ShadowAt({ProjectOfSite(kSite, HourSystem::Astronomical, "Europe/Rome"), QDate(2026, 6, 21),
                  QTime(minute / 60, minute % 60)});
    QPainter painter(&window);
    painter.drawImage(QPoint(0, 0), plate);
    painter.setTransform(toWindow);
    PaintShadowMarks(painter, ShadowMarksFor(*outcome.reading, false));
    benchmark::DoNotOptimize(window.constBits());
  }
}

void ShadowReadingOnly(benchmark::State& state) {
  int day = 0;
  for (auto _ : state) {
    day = (day + 1) % 365;
    benchmark::DoNotOptimize(
        ShadowAt({ProjectOfSite(kSite, HourSystem::Astronomical, "Europe/Rome"),
                  QDate(2026, 1, 1).addDays(day), QTime(10, 0)}));
  }
}

// The drawing window itself on the offscreen screen (800 x 600), plate C
// drawn, painted whole as a frame paints it: alone, and in a frame of the
// day's animation, the bar's clock moved a minute (its reading, its line of
// words) and the window with the bar and the shadow painted.
struct PlateCWindow {
  PlateCWindow() {
    PieceNamed("C")->drawing.body(slot.PrepareWindow({}), kSite);
    slot.Drew(*PieceNamed("C"), ProjectOfSite(kSite));
    slot.window()->ToggleShadowBar();
  }
  Form2Slot slot;
};

void WindowRepaint(benchmark::State& state) {
  PlateCWindow w;
  w.slot.window()->shadowBar()->hide();
  for (auto _ : state) benchmark::DoNotOptimize(w.slot.window()->grab());
}

void AnimationFrame(benchmark::State& state) {
  PlateCWindow w;
  QTimeEdit* clock = w.slot.window()->shadowBar()->timeBox;
  int minute = 8 * 60;
  for (auto _ : state) {
    minute = minute < 16 * 60 ? minute + 1 : 8 * 60;
    clock->setTime(QTime(minute / 60, minute % 60));
    benchmark::DoNotOptimize(w.slot.window()->grab());
  }
}

// Choosing a language in the main window: the program's words and Qt's
// replaced, then both windows and the shadow bar say theirs again.
void LanguageChoice(benchmark::State& state) {
  PlateCWindow w;
  Form1 form1;
  bool english = false;
  for (auto _ : state) {
    english = !english;
    UseLanguage(english ? Language::English : Language::Italian);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  }
  UseLanguage(Language::Italian);
}

BENCHMARK(WindowRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(LanguageChoice)->Unit(benchmark::kMicrosecond);

// The translations alone, without a window to tell.
void LanguageLoad(benchmark::State& state) {
  bool english = false;
  for (auto _ : state) {
    english = !english;
    UseLanguage(english ? Language::English : Language::Italian);
  }
  UseLanguage(Language::Italian);
}
BENCHMARK(LanguageLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(AnimationFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(WindowFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShadowFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShadowReadingOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  UseLanguage(Language::Italian);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
