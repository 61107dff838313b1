#pragma once

#include <QPointF>
#include <array>

#include "booklet/BookletPages.h"
#include "drawing/DrawingParameters.h"

// "Montaggio": numbered steps, each with a small picture drawn from the
// pieces' own outlines and folds and from the assembled profile (D upright
// at the back, C at 45° from the top of D to the base, B upright at the
// lower end of C, A from the top of B to the base at 60°). The piece each
// step adds is drawn thick, the ones before it thin: nothing is told by
// colour.
void PaintAssemblySteps(BookletPages& pages, const DrawingParameters& site);

// The assembled profile, plate D's height a unit, y up from the base: each
// plate from its foot on the base to its top, in the order they are glued.
struct ProfilePart {
  const char *name, *foot;  // the plate, and the base's mark its lower tab meets
  QPointF from, to;
};
std::array<ProfilePart, 4> AssemblyProfile();
