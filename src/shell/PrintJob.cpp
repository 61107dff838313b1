#include "shell/WindowWords.h"
#include "shell/PrintJob.h"

#include <QPainter>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "devices/TrueScalePage.h"
#include "shell/PrinterCalibration.h"

namespace {

// Qt's print dialog keeps the CUPS job options under this engine key, as a
// list of name and value pairs.
const auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

void SetOption(QStringList& options, const QString& name, const QString& value) {
  for (qsizetype k = 0; k + 1 < options.size(); k += 2) {
    if (options[k] == name) {
      options[k + 1] = value;
      return;
    }
  }
  options << name << value;
}

}  // namespace

void AskForTrueScale(QPrinter& printer) {
  QPrintEngine* engine = printer.printEngine();
  if (!engine) return;
  QStringList options = engine->property(kCupsOptions).toStringList();
  SetOption(options, QStringLiteral("number-up"), QStringLiteral("1"));
  SetOption(options, QStringLiteral("fit-to-page"), QStringLiteral("false"));
  SetOption(options, QStringLiteral("print-scaling"), QStringLiteral("none"));
  engine->setProperty(kCupsOptions, options);
}

std::optional<PrinterCalibration> CalibrationOf(const QPrinter& printer) {
  // A file is exchanged with other printers: it stays at true scale.
  if (printer.outputFormat() != QPrinter::NativeFormat || !printer.outputFileName().isEmpty())
    return std::nullopt;
  return StoredCalibration(printer.printerName(), printer.pageLayout().pageSize().key());
}

std::optional<QString> TrueScaleProblem(const QPrinter& printer, const CallList& calls) {
  const QPageLayout layout = printer.pageLayout();
  if (printer.outputFormat() == QPrinter::NativeFormat) {
    // A queue that does not have the paper asked for puts the page on another
    // and scales or crops it.
    const QPrinterInfo info(printer);
    const QList<QPageSize> sizes = info.supportedPageSizes();
    const bool offered =
        sizes.isEmpty() || std::any_of(sizes.begin(), sizes.end(), [&](const QPageSize& s) {
          return s.isEquivalentTo(layout.pageSize());
        });
    if (!offered) {
      return Windows::tr(
                 "La stampante %1 non ha il foglio %2: sceglierne uno che offre, "
                 "perché la scala resti quella vera.")
          .arg(printer.printerName(), layout.pageSize().name());
    }
  }
  const std::optional<PrinterCalibration> calibration = CalibrationOf(printer);
  const PrinterCalibration scale = calibration.value_or(PrinterCalibration{});
  if (!FitsPrintableArea(calls, layout, scale.ScaleX(), scale.ScaleY(), calibration.has_value())) {
    return Windows::tr(
        "Il disegno, con la scala di controllo sotto, non entra nel foglio "
        "scelto al netto dei margini della stampante: scegliere un foglio più "
        "grande, l'orientamento orizzontale o un foglio senza margini.");
  }
  return std::nullopt;
}

std::optional<QString> PrintTrueScale(QPrinter& printer, const CallList& calls,
                                      const QString& title, bool mirrored) {
  printer.setFullPage(true);  // the painter's origin is the sheet's corner
  if (auto problem = TrueScaleProblem(printer, calls)) return problem;
  printer.setDocName(title);
  AskForTrueScale(printer);
  QPainter painter;
  if (!painter.begin(&printer)) return Windows::tr("La stampante non accetta il lavoro.");
  if (mirrored) {
    // The sheet's right edge becomes its left: the margins are the same on
    // every edge, so what fitted still fits.
    painter.translate(printer.pageLayout().fullRectPixels(printer.resolution()).width(), 0);
    painter.scale(-1, 1);
  }
  QString note;
  if (const std::optional<PrinterCalibration> calibration = CalibrationOf(printer)) {
    // Stretched so that the printer's shrinking gives the true size back.
    painter.scale(calibration->ScaleX(), calibration->ScaleY());
    note =
        CalibrationNote(printer.printerName(), printer.pageLayout().pageSize().key(), *calibration);
  }
  PaintTrueScalePage(painter, printer.resolution(), calls, note);
  painter.end();
  return std::nullopt;
}
