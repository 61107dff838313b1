#pragma once

#include <array>
#include <string_view>

#include "drawing/Canvas.h"
#include "drawing/Checks.h"
#include "drawing/DrawingParameters.h"
#include "pieces/PieceBodies.h"

// A piece as a drawing: what draws it on any canvas, and the check of its
// own it adds after the common ones (none for most pieces).
using PieceBody = void (*)(Canvas& canvas, const DrawingParameters& parameters);
using PieceCheck = bool (*)(const DrawingParameters& parameters);
using PieceCutter = PieceCut (*)(const DrawingParameters& parameters);
struct PieceDrawing {
  PieceBody body = nullptr;
  PieceCheck check = nullptr;
};

// One sheet of the kit.
struct Piece {
  std::string_view name;               // as the command line names it
  std::string_view fileStem;           // its file in a folder of the whole kit
  std::string_view title;              // as a document names it: "Grafico A", "Base"
  PieceDrawing drawing;                // plate C: astronomical hours
  PieceDrawing temporaryDrawing = {};  // plate C only: temporary hours
  PieceCutter cut = nullptr;           // its outline and folds; none for a sheet that is not cut

  // The drawing of this sheet in `hours`.
  constexpr PieceDrawing DrawingFor(HourSystem hours) const {
    return hours == HourSystem::Temporary && temporaryDrawing.body ? temporaryDrawing : drawing;
  }
};

// Every sheet of the kit, in the kit's order. Adding a piece is one line here.
inline constexpr std::array<Piece, 6> kPieces = {{
    {"A", "plate-a", "Grafico A", {GRAPH1::PlateABody}, {}, GRAPH1::PlateACut},
    {"B", "plate-b", "Grafico B", {GRAPH1::PlateBBody}, {}, GRAPH1::PlateBCut},
    {"C",
     "plate-c",
     "Grafico C",
     {GRAPH1::PlateCAstronomicalBody},
     {GRAPH1::PlateCTemporaryBody, GRAPH1::OutsidePolarCircles},
     GRAPH1::PlateCCut},
    {"D", "plate-d", "Grafico D", {GRAPH1::PlateDBody}, {}, GRAPH1::PlateDCut},
    {"base", "base", "Base", {GRAPH1::BaseBody}, {}, GRAPH1::BaseCut},
    {"istruzioni", "istruzioni", "Istruzioni", {GRAPH1::InstructionsBody}},
}};

// Why `piece`'s own check, in `hours`, refuses a latitude.
inline QString OwnCheckReason(const Piece& piece, HourSystem hours) {
  if (piece.temporaryDrawing.body && hours == HourSystem::Temporary)
    return QStringLiteral("oltre il circolo polare non ci sono ore temporarie");
  return kNotForThisPiece;
}

// The piece of that name (exactly as the list writes it), or null.
constexpr const Piece* PieceNamed(std::string_view name) {
  for (const Piece& piece : kPieces)
    if (piece.name == name) return &piece;
  return nullptr;
}
