#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>
#include <optional>
#include <ostream>

#include "devices/FileFormats.h"
#include "devices/RecordingCanvas.h"
#include "shadow/ClockInstant.h"
#include "shadow/ShadowAtInstant.h"

// A date and clock time as --at writes them: "YYYY-MM-DD HH:MM".
std::optional<ClockReading> ReadClockReading(const QString& text);

// `ombra`: one "key<TAB>value" line each, decimals with a point, from the
// date to the temporary hour; a note on standard error for a clock time
// that happens twice.
void PrintShadow(const ShadowReading& reading, std::ostream& out, std::ostream& err);

// Plate B or C with the shadow at that instant over it, in `format` (PNG,
// PDF or SVG; titled `title`): the PNG as the window shows it with the
// shadow's bar open, the PDF and SVG at true scale with the marks on top.
QByteArray ShadowFile(FileFormat format, const CallList& calls, const ShadowReading& reading,
                      bool plateB, const QString& title);
