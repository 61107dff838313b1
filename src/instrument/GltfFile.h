#pragma once

#include <QByteArray>
#include <vector>

#include "instrument/AssembledInstrument.h"
#include "project/ProjectCheck.h"

// The instrument as a glTF 2.0 model: metres, y up, a node for each piece
// named as the command line names it ("A", ..., "base"). Each part's printed
// side carries `pictures[k]`, the PNG of piece k over the drawing window's
// 800 x 600 screen; its other side is plain card. A tab lies a card's
// thickness off the face it is glued to, so that a viewer never draws two
// faces in one plane. `binary`: a .glb file; else .gltf text with its buffer
// inside.
QByteArray GltfModel(const Instrument& instrument, const std::vector<QByteArray>& pictures,
                     bool binary);

// The assembled instrument of `project`, each piece with its own drawing.
QByteArray InstrumentModelFile(const CheckedProject& project, bool binary);
