#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

#include "devices/RecordingCanvas.h"
#include "drawing/PieceCut.h"

// A DXF 2000 drawing in millimetres at exactly the scale of the printed page,
// holding only what the eye sees of the calls (see VisibleGeometry.h), for
// laser cutters, plotters and CAD programs. Y points up, as in every DXF: the
// drawing's top edge stays at the top, and the origin is the bottom-left
// corner of the 800 x 600 screen the drawing was made for. With the piece's
// `cut`, its outline is one closed polyline on "taglio" and its folds lines
// on "piega", and the drawn lines they cover are not written again. Black
// lines and points go on "incisione", the others on a layer named after
// their colour ("grigio", "giallo", "oliva"), texts on "testi".
QByteArray RenderDxf(const CallList& calls, const QString& title = {},
                     const PieceCut* cut = nullptr);

// A text as a DXF in code page 1252 holds it: the characters the code page
// has as its bytes, any other as \U+XXXX.
std::string DxfText(std::string_view utf8);
