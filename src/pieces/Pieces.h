#pragma once

#include <array>
#include <string_view>

#include "drawing/DrawingTarget.h"
#include "pieces/GRAPH1.h"

// The hour system of plate C: equal hours, or each day's daylight in twelve.
enum class HourSystem { Astronomical, Temporary };

// One sheet of the kit.
struct Piece {
  std::string_view name;      // as the command line names it
  std::string_view fileStem;  // its file in a folder of the whole kit
  std::string_view title;     // as a document names it: "Grafico A", "Base"
  Procedure procedure;        // the drawing procedure (plate C: astronomical hours)
  Procedure temporaryHours = nullptr;  // plate C only: the one for temporary hours

  // The procedure that draws this sheet in `hours`.
  constexpr Procedure ProcedureFor(HourSystem hours) const {
    return hours == HourSystem::Temporary && temporaryHours ? temporaryHours : procedure;
  }
};

// Every sheet of the kit, in the kit's order. Adding a piece is one line here.
inline constexpr std::array<Piece, 6> kPieces = {{
    {"A", "plate-a", "Grafico A", GRAPH1::DrawPlateA},
    {"B", "plate-b", "Grafico B", GRAPH1::DrawPlateB},
    {"C", "plate-c", "Grafico C", GRAPH1::DrawPlateC_Astronomical, GRAPH1::DrawPlateC_Temporary},
    {"D", "plate-d", "Grafico D", GRAPH1::DrawPlateD},
    {"base", "base", "Base", GRAPH1::DrawBase},
    {"istruzioni", "istruzioni", "Istruzioni", GRAPH1::DrawInstructions},
}};

// The piece of that name (exactly as the list writes it), or null.
constexpr const Piece* PieceNamed(std::string_view name) {
  for (const Piece& piece : kPieces)
    if (piece.name == name) return &piece;
  return nullptr;
}

// The piece a procedure draws, or null.
constexpr const Piece* PieceDrawnBy(Procedure procedure) {
  for (const Piece& piece : kPieces)
    if (piece.procedure == procedure || piece.temporaryHours == procedure) return &piece;
  return nullptr;
}

// The procedure that draws plate C in `hours`: what "Grafico C" runs.
constexpr Procedure PlateC(HourSystem hours) { return PieceNamed("C")->ProcedureFor(hours); }
