#pragma once

#include <QString>
#include <optional>

#include "devices/RecordingCanvas.h"
#include "shell/PrinterCalibration.h"

class QPrinter;

// A true-scale print job. The scale is the whole point of the sheet, so the
// job asks the print system for one page per sheet and no fitting or scaling
// whatever the dialog or the queue's defaults say, and goes out only when
// everything on the page fits the paper the printer will really use.

// Merges into the printer's job options: number-up=1, fit-to-page=false,
// print-scaling=none (all three: a queue that fits by default still scales
// with fit-to-page=false alone).
void AskForTrueScale(QPrinter& printer);

// Why the drawing cannot go out at true scale on `printer`, in Italian, or
// nothing when it can.
std::optional<QString> TrueScaleProblem(const QPrinter& printer, const CallList& calls);

// The calibration the printer's queue and paper have (PrinterCalibration.h);
// none when printing to a file.
std::optional<PrinterCalibration> CalibrationOf(const QPrinter& printer);

// Sends the drawing, named `title`, at true scale with its calibration rules,
// stretched by the printer's calibration and saying so under the rule; when
// there is a problem nothing is sent and the problem is returned.
// `mirrored`: the page turned left to right, for toner transfer onto wood
// or a drawing seen through glass.
std::optional<QString> PrintTrueScale(QPrinter& printer, const CallList& calls,
                                      const QString& title, bool mirrored = false);
