#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "devices/VisibleGeometry.h"
#include "drawing/PieceCut.h"

// The layers of the files a laser cutter or a plotter runs (DXF and the
// cut SVG). Laser software maps a layer's colour to an operation: red
// cuts, blue folds (scores), black engraves.
struct CutLayer {
  const char* name;
  int aci;              // the nearest of DXF's 256 indexed colours
  int rgb;              // the DXF's true colour; -1: none, the index is the colour
  std::uint32_t shown;  // the colour as an SVG draws it
};

// Every layer, the operations first. Black is index 7 with no true colour:
// white on a dark model space, black on paper.
// clang-format off
inline constexpr std::array kCutLayers = {
    CutLayer{"taglio",    1,  -1,       0xFF0000},
    CutLayer{"piega",     5,  -1,       0x0000FF},
    CutLayer{"incisione", 7,  -1,       0x000000},
    CutLayer{"testi",     7,  -1,       0x000000},
    CutLayer{"grigio",    9,  0xC0C0C0, 0xC0C0C0},
    CutLayer{"giallo",    2,  0xFFFF00, 0xFFFF00},
    CutLayer{"oliva",     54, 0x808000, 0x808000},
    CutLayer{"nero",      7,  -1,       0x000000},
};
// clang-format on

// The layer of a line or a point of colour `c`: black ones are engraved,
// the others go on their colour's layer.
const char* LineLayerOf(Colour c);
// The layer of a fill of colour `c`: black fills go on "nero", apart from
// the engraved lines.
const char* FillLayerOf(Colour c);

// The outline's edges and the folds: the lines the cutter and the scorer
// follow.
std::vector<CutSegment> CutLines(const PieceCut& cut);
// Whether a drawn line lies along one of them, and is that line already.
bool OnCutLine(const VisibleLine& line, const std::vector<CutSegment>& cutLines);
