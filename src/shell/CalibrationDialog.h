#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QWidget;

// "Calibra la stampante...": the print dialog, the calibration sheet sent
// at true scale to the chosen printer and paper, then CalibrationDialog for
// the two lengths measured on it. Printing to a file is never calibrated.
void CalibrateWithDialogs(QWidget* parent, QPrinter& printer);

// Asks for the two lengths of the calibration sheet's rules, shows the
// calibration in force for the printer and paper, and removes it on demand.
// "Salva" keeps two lengths from 80 to 120 mm, with a comma or a point, and
// refuses anything else, saying the range.
class CalibrationDialog final : public QDialog {
  Q_OBJECT

 public:
  CalibrationDialog(const QString& printer, const QString& paper, QWidget* parent = nullptr);

  QLineEdit *across, *down;
  QLabel* inForce;
  QPushButton *save, *remove;

 private:
  void Save();
  void Remove();
  // Says that the settings could not be written, and what calibration is in force.
  void CannotSave();
  void ShowInForce();

  QString printer_, paper_;
};
