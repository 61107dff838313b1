#pragma once

#include <QString>
#include <memory>

#include "devices/RecordingCanvas.h"
#include "drawing/PieceCut.h"

class QPrinter;
class QWidget;

// What the drawing windows of one run share: the printer, paper,
// orientation, copies and file name chosen at one print, kept for the next
// of any piece, and whether the menu's hint has been shown. The printer (or
// the file), the paper and the orientation of the last print are also kept
// in the settings and chosen again at the next run; otherwise it starts on
// A4 landscape.
class WindowSession {
 public:
  WindowSession();
  ~WindowSession();
  QPrinter& printer() { return *printer_; }
  bool hintShown = false;
  bool mirrored = false;  // "Stampa speculare": for this run only

 private:
  std::unique_ptr<QPrinter> printer_;
};

// "Stampa in scala reale...": the print dialog on `printer`, then the
// drawing at true scale; a page that cannot keep the scale says why and
// brings the dialog back. Returns where the page went (the printer's name,
// or the file's), or empty when nothing was sent.
QString PrintWithDialog(QWidget* parent, QPrinter& printer, const CallList& calls,
                        const QString& title, bool mirrored = false);

// The print setup kept for the next run, under stampa/ in the settings.
void RememberPrintSetup(const QPrinter& printer);
void RestorePrintSetup(QPrinter& printer);

// "Salva come...": a file dialog on the sheet's own name, then the file
// quindal-export writes, in the format of its extension or of the chosen
// filter; `cut`, the piece's outline and folds, for the formats that cut.
void SaveWithDialog(QWidget* parent, const CallList& calls, const QString& title,
                    const PieceCut* cut = nullptr);

// The file name "Salva come..." offers for a picture of that title:
// "Quindal - Grafico D, latitudine 45°, ..." -> "quindal-grafico-d.pdf".
QString SuggestedFileName(const QString& title);
