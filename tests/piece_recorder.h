#pragma once

#include <optional>

#include "devices/RecordingCanvas.h"
#include "drawing/ScriptedPanel.h"
#include "pieces/Pieces.h"

// The calls `procedure` makes for the given inputs, or nothing when refused.
inline std::optional<CallList> DrawPiece(Procedure procedure, const QString& latitude,
                                         const QString& longitude = "0", bool decadi = false) {
  ScriptedPanel panel(latitude, longitude, decadi);
  return Record(procedure, panel);
}
