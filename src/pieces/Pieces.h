#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "drawing/Canvas.h"
#include "drawing/Checks.h"
#include "drawing/DrawingParameters.h"
#include "pieces/PieceBodies.h"
#include "project/ProjectCheck.h"

// A piece as a drawing: what draws it on any canvas, and the check of its
// own it adds after the common ones (none for most pieces).
using PieceBody = void (*)(Canvas& canvas, const DrawingParameters& parameters);
using PieceCheck = bool (*)(const DrawingParameters& parameters);
using PieceCutter = PieceCut (*)(const DrawingParameters& parameters);
struct PieceDrawing {
  PieceBody body = nullptr;
  PieceCheck check = nullptr;
};

// Which shadow at an instant can be shown over a sheet: none, where it
// reads delta on plate B's chart, or where it falls on plate C's dial.
enum class ShadowShown { None, OnChart, OnDial };

// One sheet of the kit.
struct Piece {
  std::string_view name;               // as the command line names it
  std::string_view fileStem;           // its file in a folder of the whole kit
  std::string_view title;              // as a document names it: "Grafico A", "Base"
  PieceDrawing drawing;                // plate C: astronomical hours
  PieceDrawing temporaryDrawing = {};  // plate C only: temporary hours
  PieceCutter cut = nullptr;           // its outline and folds; none for a sheet that is not cut
  ShadowShown shadow = ShadowShown::None;

  // The drawing of this sheet in `hours`.
  constexpr PieceDrawing DrawingFor(HourSystem hours) const {
    return hours == HourSystem::Temporary && temporaryDrawing.body ? temporaryDrawing : drawing;
  }
  // What this sheet, in `hours`, adds to the common checks.
  SheetRule RuleFor(HourSystem hours) const;
  // In the user's language.
  QString Title() const { return QCoreApplication::translate("Pieces", title.data()); }
};

// Every sheet of the kit, in the kit's order. Adding a piece is one line here.
inline constexpr std::array<Piece, 6> kPieces = {{
    {"A",
     "plate-a",
     QT_TRANSLATE_NOOP("Pieces", "Grafico A"),
     {GRAPH1::PlateABody},
     {},
     GRAPH1::PlateACut},
    {"B",
     "plate-b",
     QT_TRANSLATE_NOOP("Pieces", "Grafico B"),
     {GRAPH1::PlateBBody},
     {},
     GRAPH1::PlateBCut,
     ShadowShown::OnChart},
    {"C",
     "plate-c",
     QT_TRANSLATE_NOOP("Pieces", "Grafico C"),
     {GRAPH1::PlateCAstronomicalBody},
     {GRAPH1::PlateCTemporaryBody, GRAPH1::OutsidePolarCircles},
     GRAPH1::PlateCCut,
     ShadowShown::OnDial},
    {"D",
     "plate-d",
     QT_TRANSLATE_NOOP("Pieces", "Grafico D"),
     {GRAPH1::PlateDBody},
     {},
     GRAPH1::PlateDCut},
    {"base", "base", QT_TRANSLATE_NOOP("Pieces", "Base"), {GRAPH1::BaseBody}, {}, GRAPH1::BaseCut},
    {"istruzioni",
     "istruzioni",
     QT_TRANSLATE_NOOP("Pieces", "Istruzioni"),
     {GRAPH1::InstructionsBody}},
}};

inline SheetRule Piece::RuleFor(HourSystem hours) const {
  const PieceDrawing chosen = DrawingFor(hours);
  if (!chosen.check) return {};
  if (temporaryDrawing.body && hours == HourSystem::Temporary)
    return {chosen.check, QCoreApplication::translate(
                              "Pieces", "oltre il circolo polare non ci sono ore temporarie")};
  return {chosen.check};
}

// The rules of `sheets`, in `hours`, in their order.
inline std::vector<SheetRule> RulesFor(const std::vector<const Piece*>& sheets, HourSystem hours) {
  std::vector<SheetRule> rules;
  for (const Piece* sheet : sheets) rules.push_back(sheet->RuleFor(hours));
  return rules;
}

// Every sheet of the kit, in order.
inline std::vector<const Piece*> AllPieces() {
  std::vector<const Piece*> all;
  for (const Piece& piece : kPieces) all.push_back(&piece);
  return all;
}

// The piece on which the shadow is shown `where`: plate C for the dial.
constexpr const Piece* PieceShowing(ShadowShown where) {
  for (const Piece& piece : kPieces)
    if (piece.shadow == where) return &piece;
  return nullptr;
}

// The piece of that name (exactly as the list writes it), or null.
constexpr const Piece* PieceNamed(std::string_view name) {
  for (const Piece& piece : kPieces)
    if (piece.name == name) return &piece;
  return nullptr;
}
