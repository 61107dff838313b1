#pragma once

#include "drawing/Canvas.h"
#include "drawing/DrawingParameters.h"
#include "drawing/PieceCut.h"

// The pieces of the Quindal as drawings: each draws its piece in one pass
// for parameters the checks accepted, on any canvas, and touches nothing
// else.
namespace GRAPH1 {

void PlateABody(Canvas& canvas, const DrawingParameters& parameters);
void PlateBBody(Canvas& canvas, const DrawingParameters& parameters);
void PlateCAstronomicalBody(Canvas& canvas, const DrawingParameters& parameters);
void PlateCTemporaryBody(Canvas& canvas, const DrawingParameters& parameters);
void PlateDBody(Canvas& canvas, const DrawingParameters& parameters);
void BaseBody(Canvas& canvas, const DrawingParameters& parameters);
void InstructionsBody(Canvas& canvas, const DrawingParameters& parameters);

// Where the pieces that are cut are cut and folded (the assembly sheet is
// only printed), from the constants their drawings use.
PieceCut PlateACut(const DrawingParameters& parameters);
PieceCut PlateBCut(const DrawingParameters& parameters);
PieceCut PlateCCut(const DrawingParameters& parameters);
PieceCut PlateDCut(const DrawingParameters& parameters);
PieceCut BaseCut(const DrawingParameters& parameters);

// The check plate C with temporary hours adds after the common ones: outside
// the polar circles, where every day has a sunrise and a sunset.
bool OutsidePolarCircles(const DrawingParameters& parameters);

}  // namespace GRAPH1
