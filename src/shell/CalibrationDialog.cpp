#include "shell/CalibrationDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "devices/CalibrationSheet.h"
#include "shell/PrintJob.h"
#include "shell/PrinterCalibration.h"

namespace {

// The sheet at true scale, never stretched by a calibration: it is what
// measures the printer. The problem, or nothing.
std::optional<QString> PrintCalibrationSheet(QPrinter& printer) {
  printer.setFullPage(true);
  QPageLayout layout = printer.pageLayout();
  layout.setUnits(QPageLayout::Millimeter);
  const QMarginsF m = layout.minimumMargins();
  const double margin = std::max({m.left(), m.top(), m.right(), m.bottom(), 0.0});
  if (!layout.fullRect()
           .adjusted(margin, margin, -margin, -margin)
           .contains(CalibrationSheetMillimetres()))
    return CalibrationDialog::tr(
        "Il foglio di calibrazione non entra nel foglio scelto: sceglierne "
        "uno più grande.");
  printer.setDocName(CalibrationDialog::tr("Quindal - calibrazione della stampante"));
  AskForTrueScale(printer);
  QPainter painter;
  if (!painter.begin(&printer)) return CalibrationDialog::tr("La stampante non accetta il lavoro.");
  PaintCalibrationSheet(painter, printer.resolution());
  painter.end();
  return std::nullopt;
}

}  // namespace

void CalibrateWithDialogs(QWidget* parent, QPrinter& printer) {
  // First what comes out and what to do with it, then the print dialog.
  QMessageBox intro(
      QMessageBox::Information, CalibrationDialog::tr("Calibra la stampante"),
      CalibrationDialog::tr("Si stampa il foglio di calibrazione: una riga da 100 mm in "
                            "orizzontale e una in verticale, con una tacca ogni "
                            "millimetro, sempre in scala reale."),
      QMessageBox::Ok | QMessageBox::Cancel, parent);
  intro.setInformativeText(CalibrationDialog::tr(
      "Scegliere ora la stampante e il foglio. Poi misurare con un righello le "
      "due righe stampate, da un estremo all'altro, e scrivere le due lunghezze "
      "nella finestra che segue: da allora le stampe su quella stampante e quel "
      "foglio escono in scala vera."));
  intro.button(QMessageBox::Ok)->setText(CalibrationDialog::tr("Stampa..."));
  intro.button(QMessageBox::Cancel)->setText(CalibrationDialog::tr("Annulla"));
  intro.setDefaultButton(QMessageBox::Ok);
  if (intro.exec() != QMessageBox::Ok) return;
  printer.setDocName(CalibrationDialog::tr("Quindal - calibrazione della stampante"));
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(CalibrationDialog::tr("Calibra la stampante"));
  if (dialog.exec() != QDialog::Accepted) return;
  if (printer.outputFormat() != QPrinter::NativeFormat || !printer.outputFileName().isEmpty()) {
    QMessageBox::information(
        parent, QStringLiteral("Quindal"),
        CalibrationDialog::tr("La stampa su file non si calibra: i file restano "
                              "in scala reale. Scegliere una stampante."));
    return;
  }
  if (const std::optional<QString> problem = PrintCalibrationSheet(printer)) {
    QMessageBox::warning(parent, QStringLiteral("Quindal"), *problem);
    return;
  }
  CalibrationDialog measure(printer.printerName(), printer.pageLayout().pageSize().key(), parent);
  measure.exec();
}

CalibrationDialog::CalibrationDialog(const QString& printer, const QString& paper, QWidget* parent)
    : QDialog(parent), printer_(printer), paper_(paper) {
  setWindowTitle(CalibrationDialog::tr("Calibra la stampante"));
  auto* words =
      new QLabel(CalibrationDialog::tr(
                     "Sul foglio di calibrazione appena stampato su %1 (foglio %2) misurare la "
                     "riga orizzontale e quella verticale, da un estremo all'altro, e scrivere "
                     "le due lunghezze in millimetri, da 80 a 120.")
                     .arg(printer, paper));
  words->setWordWrap(true);
  inForce = new QLabel;
  across = new QLineEdit;
  down = new QLineEdit;
  auto* form = new QFormLayout;
  form->addRow(CalibrationDialog::tr("Riga orizzontale (mm):"), across);
  form->addRow(CalibrationDialog::tr("Riga verticale (mm):"), down);
  auto* buttons = new QDialogButtonBox;
  save = buttons->addButton(CalibrationDialog::tr("Salva"), QDialogButtonBox::AcceptRole);
  save->setDefault(true);
  remove = buttons->addButton(CalibrationDialog::tr("Rimuovi la calibrazione"),
                              QDialogButtonBox::DestructiveRole);
  buttons->addButton(CalibrationDialog::tr("Annulla"), QDialogButtonBox::RejectRole);
  connect(save, &QPushButton::clicked, this, &CalibrationDialog::Save);
  connect(remove, &QPushButton::clicked, this, &CalibrationDialog::Remove);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(words);
  layout->addWidget(inForce);
  layout->addLayout(form);
  layout->addWidget(buttons);
  ShowInForce();
}

void CalibrationDialog::ShowInForce() {
  const std::optional<PrinterCalibration> kept = StoredCalibration(printer_, paper_);
  const QLocale italian(QLocale::Italian, QLocale::Italy);
  inForce->setText(kept ? CalibrationDialog::tr("In vigore: righe misurate %1 mm e %2 mm.")
                              .arg(italian.toString(kept->measuredX, 'f', 1),
                                   italian.toString(kept->measuredY, 'f', 1))
                        : CalibrationDialog::tr("In vigore: nessuna calibrazione."));
  remove->setEnabled(kept.has_value());
}

void CalibrationDialog::Save() {
  const std::optional<double> x = ReadMeasurement(across->text());
  const std::optional<double> y = ReadMeasurement(down->text());
  if (!x || !y) {
    QMessageBox::warning(
        this, QStringLiteral("Quindal"),
        CalibrationDialog::tr("Le due misure vanno da 80 a 120 mm, con la virgola o "
                              "il punto (per esempio 98,4)."));
    (x ? down : across)->setFocus();
    return;
  }
  if (!StoreCalibration(printer_, paper_, {*x, *y})) {
    CannotSave();
    return;
  }
  accept();
}

void CalibrationDialog::Remove() {
  if (!RemoveCalibration(printer_, paper_)) CannotSave();
  ShowInForce();
}

void CalibrationDialog::CannotSave() {
  ShowInForce();
  QMessageBox::warning(this, QStringLiteral("Quindal"),
                       CalibrationDialog::tr("Impossibile salvare nelle impostazioni (%1). %2")
                           .arg(QDir::toNativeSeparators(SettingsFileName()), inForce->text()));
}
