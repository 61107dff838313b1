#pragma once

#include <QByteArray>
#include <QString>

#include "devices/RecordingCanvas.h"
#include "drawing/PieceCut.h"

// An SVG for cutting plotters and hobby lasers: what the eye sees of the
// calls (see VisibleGeometry.h) at true size, one user unit a millimetre,
// in the layers of the DXF (CutLayers.h) as Inkscape layers: <g> groups with
// `id` and `inkscape:label`. With the piece's `cut`, the outline is one
// closed <path id="contorno"> with a red hairline stroke on "taglio" and the
// folds blue hairlines on "piega"; the drawn lines they cover are not
// written again. Fills are filled paths on their colour's layer, under the
// lines; every layer is there, even an empty one.
QByteArray RenderCutSvg(const CallList& calls, const QString& title = {},
                        const PieceCut* cut = nullptr);
