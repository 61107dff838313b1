#pragma once

#include <optional>

#include "GRAPH1.h"
#include "RecordingCanvas.h"
#include "fake_panel.h"

using Procedure = void (*)(InputPanel&, DrawingTarget&);

// The calls `procedure` makes for the given inputs, or nothing when refused.
inline std::optional<CallList> DrawPiece(Procedure procedure, const QString& latitude,
                                         const QString& longitude = "0", bool decadi = false) {
  FakePanel panel(latitude, longitude, decadi);
  RecordingTarget target;
  procedure(panel, target);
  if (panel.Refused()) return std::nullopt;
  return target.recorder.Calls();
}

struct NamedPiece {
  const char* name;
  Procedure procedure;
};

inline const NamedPiece kPieces[] = {
    {"A", GRAPH1::DrawPlateA},
    {"B", GRAPH1::DrawPlateB},
    {"C", GRAPH1::DrawPlateC_Astronomical},
    {"D", GRAPH1::DrawPlateD},
    {"base", GRAPH1::DrawBase},
    {"istruzioni", GRAPH1::DrawInstructions},
};
