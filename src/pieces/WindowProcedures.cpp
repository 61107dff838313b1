#include "drawing/DocumentTitle.h"
#include "project/Preamble.h"
#include "pieces/GRAPH1.h"
#include "pieces/Pieces.h"

namespace {

// What every button of the main window does: reads its inputs once and
// checks them; on refusal the box, both boxes emptied and the focus on the
// latitude; on acceptance the drawing window, named after the sheet and the
// accepted site, and the piece drawn on it.
void InWindow(std::string_view name, HourSystem hours, InputPanel& form1, DrawingTarget& form2) {
  const Piece& piece = *PieceNamed(name);
  std::optional<CheckedProject> drawn = RunPreamble(form1, {piece.RuleFor(hours)});
  if (!drawn) return;
  if (piece.temporaryDrawing.body) drawn->project.hours = hours;  // plate C: the button's
  const DrawingParameters& site = drawn->parameters;
  piece.DrawingFor(hours).body(form2.PrepareWindow(DocumentTitle(piece.Title(), site)), site);
  form2.Drew(piece, *drawn);
}

}  // namespace

namespace GRAPH1 {

void DrawPlateA(InputPanel& form1, DrawingTarget& form2) {
  InWindow("A", HourSystem::Astronomical, form1, form2);
}
void DrawPlateB(InputPanel& form1, DrawingTarget& form2) {
  InWindow("B", HourSystem::Astronomical, form1, form2);
}
void DrawPlateC_Astronomical(InputPanel& form1, DrawingTarget& form2) {
  InWindow("C", HourSystem::Astronomical, form1, form2);
}
void DrawPlateC_Temporary(InputPanel& form1, DrawingTarget& form2) {
  InWindow("C", HourSystem::Temporary, form1, form2);
}
void DrawPlateD(InputPanel& form1, DrawingTarget& form2) {
  InWindow("D", HourSystem::Astronomical, form1, form2);
}
void DrawBase(InputPanel& form1, DrawingTarget& form2) {
  InWindow("base", HourSystem::Astronomical, form1, form2);
}
void DrawInstructions(InputPanel& form1, DrawingTarget& form2) {
  InWindow("istruzioni", HourSystem::Astronomical, form1, form2);
}

}  // namespace GRAPH1
