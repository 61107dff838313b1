// The road every drawing starts with: the two texts of the main window and
// its option states, through the number reading and the checks, then, for
// an accepted input, the drawing itself. Every input must end either in the
// refusal (both texts emptied, nothing drawn) or in a drawing whose every
// call lies in the range its piece can reach.
//
// The same bytes are also read as a project file: what reads as a project and
// passes the checks is written and read back as the same project.
//
// Input: [piece][options][latitude text] 0x00 [longitude text]
//   piece % 16: 0 A, 1 D, 2 base, 3 istruzioni, 4-7 B, 8-11 C astronomical,
//               12-15 C temporary (the heavy fixed pieces are drawn less often)
//   options: bit 0 "DECADI" selected, bit 1 "MESI" selected, bit 2 an
//            Italian regional format (else an English one)
#include <QLocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "limits_canvas.h"
#include "pieces/GRAPH1.h"
#include "project/ProjectFile.h"
#include "scripted_panel.h"

namespace {

// The procedure a selector draws, and the piece whose limits it keeps.
std::pair<Procedure, const char*> PieceOf(std::uint8_t selector) {
  static constexpr std::pair<Procedure, const char*> kFixed[] = {
      {GRAPH1::DrawPlateA, "A"},
      {GRAPH1::DrawPlateD, "D"},
      {GRAPH1::DrawBase, "base"},
      {GRAPH1::DrawInstructions, "istruzioni"}};
  const int k = selector % 16;
  if (k < 4) return kFixed[k];
  if (k < 8) return {GRAPH1::DrawPlateB, "B"};
  return {k < 12 ? GRAPH1::DrawPlateC_Astronomical : GRAPH1::DrawPlateC_Temporary, "C"};
}

// The drawing window, as far as the limits care: how often it was prepared.
struct LimitsWindow final : DrawingTarget {
  explicit LimitsWindow(LimitsCanvas& canvas) : canvas(canvas) {}
  Canvas& PrepareWindow(const QString&) override {
    ++prepared;
    return canvas;
  }
  LimitsCanvas& canvas;
  int prepared = 0;
};

[[noreturn]] void Fail(const char* what, const std::string& detail = {}) {
  std::fprintf(stderr, "fuzz_preamble: %s %s\n", what, detail.c_str());
  std::abort();
}

void ProjectFileRoundTrip(const std::uint8_t* data, std::size_t size) {
  QString problem;
  const auto bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
  const std::optional<Project> project = ReadProject(bytes, problem);
  if (!project) {
    if (problem.isEmpty()) Fail("a file that is no project, without a reason");
    return;
  }
  const ProjectVerdict verdict = CheckProject(*project);
  if (!verdict.checked) return;
  const QByteArray written = ProjectFileBytes(*verdict.checked);
  const std::optional<Project> back = ReadProject(written, problem);
  if (!back) Fail("a project written does not read back:", problem.toStdString());
  if (ProjectFileBytes({*back, verdict.checked->parameters}) != written)
    Fail("a project read back writes another file:", written.toStdString());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ProjectFileRoundTrip(data, size);
  if (size < 2) return 0;
  const auto [procedure, piece] = PieceOf(data[0]);
  const std::uint8_t options = data[1];
  const char* text = reinterpret_cast<const char*>(data + 2);
  const std::size_t length = size - 2;
  const void* zero = std::memchr(text, 0, length);
  const std::size_t latitudeLength = zero ? static_cast<const char*>(zero) - text : length;
  const QString latitude = QString::fromUtf8(text, static_cast<qsizetype>(latitudeLength));
  const QString longitude =
      zero ? QString::fromUtf8(text + latitudeLength + 1,
                               static_cast<qsizetype>(length - latitudeLength - 1))
           : QString();

  QLocale::setDefault(options & 4 ? QLocale(QLocale::Italian, QLocale::Italy)
                                  : QLocale(QLocale::English, QLocale::UnitedStates));
  ScriptedPanel panel(latitude, longitude);
  panel.option5 = options & 1;
  panel.option6 = options & 2;
  LimitsCanvas limits(piece);
  LimitsWindow window(limits);
  procedure(panel, window);

  if (panel.Refused()) {
    if (!panel.text1.isEmpty() || !panel.text4.isEmpty()) Fail("a refusal left a text");
    if (window.prepared != 0 || limits.calls != 0) Fail("a refused input was drawn");
    if (panel.log != QStringList({"ShowRefusal", "SetText1:", "SetText4:", "FocusText1"}))
      Fail("the refusal ran out of order");
    return 0;
  }
  if (!panel.log.isEmpty()) Fail("an accepted input touched the window");
  if (window.prepared != 1 || limits.calls == 0) Fail("an accepted input drew nothing");
  if (!limits.ok()) Fail("out of range:", limits.problems.front());
  return 0;
}
