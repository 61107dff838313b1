#pragma once

#include <QString>

#include "drawing/DrawingParameters.h"

// The name a printed or saved sheet carries (the print job's name, the PDF's
// and the SVG's title): "Quindal - Grafico C, latitudine 45,667°, scostamento
// -2,758°". `subject` names the sheet ("Grafico C", "kit completo"); the
// numbers are the accepted site, written the Italian way whatever the
// regional format.
QString DocumentTitle(const QString& subject, const DrawingParameters& site);
