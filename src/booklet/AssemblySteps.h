#pragma once

#include <QPointF>
#include <array>

#include "booklet/BookletPages.h"
#include "drawing/DrawingParameters.h"
#include "instrument/AssembledInstrument.h"

// "Montaggio": numbered steps, each with a small picture drawn from the
// pieces' own outlines and folds and from the assembled profile (D upright
// at the back, C at 45° from the top of D to the base, B upright at the
// lower end of C, A from the top of B to the base at 60°). The piece each
// step adds is drawn thick, the ones before it thin: nothing is told by
// colour.
void PaintAssemblySteps(BookletPages& pages, const DrawingParameters& site);

// The assembled instrument seen from its side, plate D's height a unit, D's
// face at 0, the front to the right, y up from the base: each plate from its
// foot on the base to its top, in the order they are glued, and the base.
struct ProfilePart {
  const char *name, *foot;  // the plate, and the base's mark its lower tab meets
  QPointF from, to;
};
struct AssemblyProfile {
  std::array<ProfilePart, 4> plates;  // D, C, B, A
  double baseBack = 0, baseFront = 0;
};
AssemblyProfile AssemblyProfileOf(const Instrument& instrument);
