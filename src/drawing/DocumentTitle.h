#pragma once

#include <QString>

#include "drawing/Preamble.h"

// The name a printed or saved sheet carries (the print job's name, the PDF's
// and the SVG's title): "Quindal - Grafico C, latitudine 45,667°, scostamento
// -2,758°". `subject` names the sheet ("Grafico C", "kit completo"); the
// numbers are the inputs as the checks read them, written the Italian way
// whatever the regional format, or the texts as typed where the checks would
// refuse them.
QString DocumentTitle(const QString& subject, const InputState& inputs);
