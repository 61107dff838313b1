#pragma once

#include <string_view>
#include <vector>

#include "drawing/DrawingParameters.h"
#include "drawing/PieceCut.h"
#include "instrument/Vector3.h"

struct Piece;

// Where a flat part of a piece stands in the instrument: the sheet's point
// (x, y), in drawing units, at origin + x * across + y * down, millimetres.
struct SheetFrame {
  Vector3 origin, across, down;

  Vector3 At(CutPoint p) const { return origin + across * p.x + down * p.y; }
  // The side the drawing is printed on, a unit vector out of it.
  Vector3 PrintedSide() const { return Unit(Cross(down, across)); }
};

// A flat part of a piece: the plate between its folds, or a tab folded into
// place. A tab is glued by its printed side, so its plain side shows.
struct PlacedPart {
  std::vector<CutPoint> outline;  // a convex polygon of the sheet, drawing units
  SheetFrame frame;

  std::vector<Vector3> Corners() const;
};

struct PlacedPiece {
  const Piece* piece = nullptr;
  PieceCut cut;                   // the piece as it is cut
  std::vector<PlacedPart> parts;  // the plate first, then its tabs

  const SheetFrame& Plate() const { return parts.front().frame; }
  // The cut outline in the instrument, a point for each of its corners.
  std::vector<Vector3> Outline() const;
};

// The instrument glued together as the assembly sheet shows it, from the
// pieces' outlines and folds. Millimetres, right-handed: x across the plates,
// left to right for someone in front of the dial, where the Sun is; y up
// from the base's top face; z from plate D forward. Plate D stands on the
// base's back edge, C leans from the top of D down to the base at
// kPlateInclinationDeg, B stands at the lower end of C, A leans from the top
// of B down to the base at kPlateAAngleDeg; the lower tabs lie on the base.
struct Instrument {
  std::vector<PlacedPiece> pieces;  // the base, D, C, B, A: in the order they are glued

  // The piece the command line names so ("A", ..., "base"); it must be there.
  const PlacedPiece& Named(std::string_view name) const;
};

Instrument AssembleInstrument(const DrawingParameters& parameters);
