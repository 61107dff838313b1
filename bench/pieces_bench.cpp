// Time to draw every piece on every device: the 800 x 600 screen image of the
// drawing window (alone, and with the window's record), the window drawing
// its record again at 200 %, and the PNG, PDF, SVG and DXF files of the exporter
// (drawing, recording and encoding, without the disk); and the assembled
// instrument.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "devices/CompactRecording.h"
#include "devices/ExportDevices.h"
#include "devices/RasterCanvas.h"
#include "devices/RecordingCanvas.h"
#include "devices/WindowFont.h"
#include "instrument/GltfFile.h"
#include "pieces/Pieces.h"

namespace {

// Latitude 45, 7.5 degrees east of the meridian, ten-day date lines.
constexpr DrawingParameters kSite{45, 7.5, DateLineSpacing::TenDays};

void ScreenImage(benchmark::State& state, PieceBody body) {
  QImage image(800, 600, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    RasterCanvas canvas(image);
    body(canvas, kSite);
    benchmark::DoNotOptimize(image.constBits());
  }
}

// What the drawing window does: the screen image, and the record kept for
// printing and saving.
void Window(benchmark::State& state, PieceBody body) {
  QImage image(800, 600, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    RasterCanvas canvas(image);
    CompactRecording record;
    TeeCanvas tee(canvas, record);
    body(tee, kSite);
    benchmark::DoNotOptimize(image.constBits());
  }
}

// The window redrawing its record at 200 % on a 1920 x 1080 screen, the
// middle of the drawing in view.
void Zoom200(benchmark::State& state, PieceBody body) {
  CompactRecording record;
  body(record, kSite);
  QImage image(1920, 1080, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    RasterCanvas canvas(image, {2, QPoint(160, -60)});
    record.Replay(canvas);
    benchmark::DoNotOptimize(image.constBits());
  }
}

void File(benchmark::State& state, PieceBody body, FileFormat format) {
  for (auto _ : state) {
    RecordingCanvas recorder;
    body(recorder, kSite);
    const QByteArray bytes = Render(format, recorder.Calls());
    benchmark::DoNotOptimize(bytes.constData());
  }
}

void Register(const std::string& piece, PieceBody body) {
  benchmark::RegisterBenchmark((piece + "/screen").c_str(), ScreenImage, body)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark((piece + "/window").c_str(), Window, body)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark((piece + "/zoom200").c_str(), Zoom200, body)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark((piece + "/png").c_str(), File, body, FileFormat::Png)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark((piece + "/pdf").c_str(), File, body, FileFormat::Pdf)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark((piece + "/svg").c_str(), File, body, FileFormat::Svg)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark((piece + "/dxf").c_str(), File, body, FileFormat::Dxf)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark((piece + "/svg_taglio").c_str(), File, body, FileFormat::CutSvg)
      ->Unit(benchmark::kMillisecond);
}

// The assembled instrument: placing the pieces, and the whole glTF file of
// `montaggio` (five pictures drawn and encoded, the model written).
void Assemble(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(AssembleInstrument(kSite));
}
void ModelFile(benchmark::State& state) {
  const CheckedProject project{{}, kSite};
  for (auto _ : state) benchmark::DoNotOptimize(InstrumentModelFile(project, false));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  InstallWindowFontSubstitution();
  QGuiApplication app(argc, argv);
  for (const Piece& piece : kPieces) {
    if (piece.temporaryDrawing.body) {
      Register(std::string(piece.name) + "_astronomical", piece.drawing.body);
      Register(std::string(piece.name) + "_temporary", piece.temporaryDrawing.body);
    } else {
      Register(std::string(piece.name), piece.drawing.body);
    }
  }
  benchmark::RegisterBenchmark("instrument/assemble", Assemble)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("instrument/gltf", ModelFile)->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
