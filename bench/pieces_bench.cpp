// Time to draw every piece on every device: the 800 x 600 screen image of the
// drawing window (alone, and with the window's record), and the PNG, PDF and SVG files of the exporter (drawing,
// recording and encoding, without the disk).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "ExportDevices.h"
#include "GRAPH1.h"
#include "RasterCanvas.h"
#include "RecordingCanvas.h"
#include "WindowFont.h"

namespace {

class Inputs final : public InputPanel {
 public:
  QString Text1() const override { return "45"; }
  QString Text4() const override { return "7,5"; }
  bool Option5() const override { return true; }
  bool Option6() const override { return false; }
  void SetText1(const QString&) override {}
  void SetText4(const QString&) override {}
  void FocusText1() override {}
  void ShowRefusal() override {}
};

class OnCanvas final : public DrawingTarget {
 public:
  explicit OnCanvas(Canvas& canvas) : canvas_(canvas) {}
  Canvas& PrepareWindow() override { return canvas_; }

 private:
  Canvas& canvas_;
};

using Procedure = void (*)(InputPanel&, DrawingTarget&);

void ScreenImage(benchmark::State& state, Procedure procedure) {
  Inputs inputs;
  QImage image(800, 600, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    RasterCanvas canvas(image);
    OnCanvas target(canvas);
    procedure(inputs, target);
    benchmark::DoNotOptimize(image.constBits());
  }
}

// What the drawing window does: the screen image, and the record kept for
// printing and saving.
void Window(benchmark::State& state, Procedure procedure) {
  Inputs inputs;
  QImage image(800, 600, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    RasterCanvas canvas(image);
    RecordingCanvas record;
    TeeCanvas tee(canvas, record);
    OnCanvas target(tee);
    procedure(inputs, target);
    benchmark::DoNotOptimize(image.constBits());
  }
}

void File(benchmark::State& state, Procedure procedure, FileFormat format) {
  Inputs inputs;
  for (auto _ : state) {
    RecordingCanvas recorder;
    OnCanvas target(recorder);
    procedure(inputs, target);
    const QByteArray bytes = Render(format, recorder.Calls());
    benchmark::DoNotOptimize(bytes.constData());
  }
}

void Register(const char* name, Procedure procedure) {
  const std::string piece = name;
  benchmark::RegisterBenchmark((piece + "/screen").c_str(), ScreenImage, procedure)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark((piece + "/window").c_str(), Window, procedure)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark((piece + "/png").c_str(), File, procedure, FileFormat::Png)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark((piece + "/pdf").c_str(), File, procedure, FileFormat::Pdf)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark((piece + "/svg").c_str(), File, procedure, FileFormat::Svg)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  InstallWindowFontSubstitution();
  QGuiApplication app(argc, argv);
  Register("A", GRAPH1::DrawPlateA);
  Register("B", GRAPH1::DrawPlateB);
  Register("C_astronomical", GRAPH1::DrawPlateC_Astronomical);
  Register("C_temporary", GRAPH1::DrawPlateC_Temporary);
  Register("D", GRAPH1::DrawPlateD);
  Register("base", GRAPH1::DrawBase);
  Register("istruzioni", GRAPH1::DrawInstructions);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
