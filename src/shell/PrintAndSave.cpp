#include "shell/WindowWords.h"
#include "shell/PrintAndSave.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>

#include "project/ProjectMemory.h"
#include <QTimer>
#include <algorithm>

#include "devices/DrawingFile.h"
#include "devices/ExportDevices.h"
#include "devices/FileFormats.h"
#include "shell/PrintJob.h"

WindowSession::WindowSession() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  printer_->setPageSize(QPageSize(QPageSize::A4));
  printer_->setPageOrientation(QPageLayout::Landscape);
  printer_->setFullPage(true);
  RestorePrintSetup(*printer_);
}

void RememberPrintSetup(const QPrinter& printer) {
  const std::unique_ptr<QSettings> stored = OpenSettings();
  QSettings& settings = *stored;
  const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
  settings.setValue(QStringLiteral("stampa/su_file"), toFile);
  settings.setValue(QStringLiteral("stampa/file"), toFile ? printer.outputFileName() : QString());
  settings.setValue(QStringLiteral("stampa/stampante"), toFile ? QString() : printer.printerName());
  settings.setValue(QStringLiteral("stampa/foglio"), printer.pageLayout().pageSize().key());
  settings.setValue(QStringLiteral("stampa/orientamento"),
                    printer.pageLayout().orientation() == QPageLayout::Portrait
                        ? QStringLiteral("verticale")
                        : QStringLiteral("orizzontale"));
}

void RestorePrintSetup(QPrinter& printer) {
  const std::unique_ptr<QSettings> stored = OpenSettings();
  const QSettings& settings = *stored;
  if (settings.value(QStringLiteral("stampa/su_file")).toBool()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(settings.value(QStringLiteral("stampa/file")).toString());
  } else if (const QString name = settings.value(QStringLiteral("stampa/stampante")).toString();
             QPrinterInfo::availablePrinterNames().contains(name)) {
    printer.setPrinterName(name);  // only a printer that is still there
  }
  // A paper the printer has, by its key ("A4"); anything else keeps A4.
  const QString paper = settings.value(QStringLiteral("stampa/foglio")).toString();
  QList<QPageSize> sizes = QPrinterInfo(printer).supportedPageSizes();
  if (sizes.isEmpty())
    sizes = {QPageSize(QPageSize::A4), QPageSize(QPageSize::A3), QPageSize(QPageSize::Letter),
             QPageSize(QPageSize::Legal)};
  for (const QPageSize& size : sizes)
    if (size.key() == paper) printer.setPageSize(size);
  const QString orientation = settings.value(QStringLiteral("stampa/orientamento")).toString();
  if (orientation == QStringLiteral("verticale")) printer.setPageOrientation(QPageLayout::Portrait);
}

WindowSession::~WindowSession() = default;

namespace {

// Qt's print dialog starts on a real printer every time: making it forgets
// "Stampa su file (PDF)", although the printer still holds the file's name.
// Once the dialog shows, choose the file again.
void ChooseFileAgain(QPrintDialog& dialog, const QString& fileName) {
  QTimer::singleShot(0, &dialog, [&dialog, fileName] {
    auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
    auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
    if (!printers || !file || printers->count() == 0) return;
    printers->setCurrentIndex(printers->count() - 1);  // the file, last in the list
    file->setText(fileName);
  });
}

}  // namespace

QString PrintWithDialog(QWidget* parent, QPrinter& printer, const CallList& calls,
                        const QString& title, bool mirrored) {
  // The dialog names its file after the document: this piece, not whatever
  // went out last (the calibration sheet).
  printer.setDocName(title);
  for (;;) {
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    const QString fileName = printer.outputFileName();
    QPrintDialog dialog(&printer, parent);
    if (toFile) ChooseFileAgain(dialog, fileName);
    dialog.setWindowTitle(Windows::tr("Stampa in scala reale"));
    if (dialog.exec() != QDialog::Accepted) return {};
    const std::optional<QString> problem = PrintTrueScale(printer, calls, title, mirrored);
    if (!problem) {
      RememberPrintSetup(printer);
      return printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    }
    QMessageBox::warning(parent, QStringLiteral("Quindal"), *problem);
  }
}

QString SuggestedFileName(const QString& title) {
  // "Quindal - Grafico D, latitudine ..." -> "quindal-grafico-d.pdf"
  QString subject = title.section(u',', 0, 0).remove(QStringLiteral("Quindal - ")).trimmed();
  if (subject.isEmpty()) subject = Windows::tr("disegno");
  return QStringLiteral("quindal-") + subject.toLower().replace(u' ', u'-') +
         QStringLiteral(".pdf");
}

void SaveWithDialog(QWidget* parent, const CallList& calls, const QString& title,
                    const PieceCut* cut) {
  // PDF first: the file that prints at true scale.
  std::vector<FileFormatInfo> offered = FileFormats();
  std::stable_partition(offered.begin(), offered.end(),
                        [](const FileFormatInfo& f) { return f.format == FileFormat::Pdf; });
  QStringList filters;
  for (const FileFormatInfo& f : offered)
    filters << QStringLiteral("%1 (*.%2)")
                   .arg(QCoreApplication::translate("FileFormats", f.filter),
                        QString::fromUtf8(f.name));
  QFileDialog dialog(parent, Windows::tr("Salva come"), QDir::homePath(), filters.join(";;"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  // A name typed without an extension takes the chosen filter's, not PDF's.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
    dialog.setDefaultSuffix(
        ExtensionOf(offered[std::max<qsizetype>(0, filters.indexOf(filter))].format));
  });
  dialog.selectFile(SuggestedFileName(title));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  QString path = dialog.selectedFiles().front();
  // The chosen filter's format, unless another extension was typed: the two
  // SVGs share theirs, and the filter tells them apart.
  const FileFormat chosen =
      offered[std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()))].format;
  std::optional<FileFormat> format = FormatOfPath(path);
  if (format && ExtensionOf(*format) == ExtensionOf(chosen)) format = chosen;
  if (!format) {
    format = chosen;
    path += "." + ExtensionOf(*format);
  }
  QString reason;
  DiskSink disk;
  if (!disk.Write(path, Render(*format, calls, title, cut), reason)) {
    QMessageBox::warning(parent, QStringLiteral("Quindal"),
                         Windows::tr("Impossibile scrivere %1: %2").arg(path, reason));
  }
}
