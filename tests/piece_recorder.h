#pragma once

#include <optional>

#include "devices/RecordingCanvas.h"
#include "drawing/Checks.h"
#include "pieces/GRAPH1.h"
#include "pieces/Pieces.h"
#include "scripted_panel.h"

// The calls a piece draws for the given inputs, or nothing when the checks
// refuse them: the road of the exporter.
inline std::optional<CallList> DrawPiece(PieceDrawing drawing, const QString& latitude,
                                         const QString& longitude = "0", bool decadi = false) {
  const InputState inputs{latitude, longitude, decadi, !decadi};
  const auto site = CheckInputs(inputs, drawing.check ? ExtraCheck(drawing.check) : ExtraCheck());
  if (!site) return std::nullopt;
  RecordingCanvas recorder;
  drawing.body(recorder, *site);
  return recorder.Calls();
}

// A drawing window that keeps the drawing as a list of calls; counts how
// often it was prepared and keeps the last title.
class RecordingTarget final : public DrawingTarget {
 public:
  Canvas& PrepareWindow(const QString& windowTitle) override {
    ++prepared;
    title = windowTitle;
    return recorder;
  }
  const CallList& calls() const { return recorder.Calls(); }

  RecordingCanvas recorder;
  int prepared = 0;
  QString title;
};

// The same through the main window's procedure, on a panel and a window of
// the tests' own: the road of the window.
inline std::optional<CallList> DrawPiece(Procedure procedure, const QString& latitude,
                                         const QString& longitude = "0", bool decadi = false) {
  ScriptedPanel panel(latitude, longitude, decadi);
  RecordingTarget target;
  procedure(panel, target);
  if (panel.Refused()) return std::nullopt;
  return target.calls();
}

// The main window's procedure of a sheet in `hours`.
inline Procedure ProcedureOf(const Piece& piece, HourSystem hours) {
  if (piece.name == "A") return GRAPH1::DrawPlateA;
  if (piece.name == "B") return GRAPH1::DrawPlateB;
  if (piece.name == "C")
    return hours == HourSystem::Temporary ? GRAPH1::DrawPlateC_Temporary
                                          : GRAPH1::DrawPlateC_Astronomical;
  if (piece.name == "D") return GRAPH1::DrawPlateD;
  if (piece.name == "base") return GRAPH1::DrawBase;
  return GRAPH1::DrawInstructions;
}
