#include "shell/WindowWords.h"
#include "shell/PrinterCalibration.h"

#include <QLocale>
#include <QSettings>

#include "project/ProjectMemory.h"
#include <cmath>

namespace {

QString Key(const QString& printer, const QString& paper, const char* axis) {
  return QStringLiteral("calibrazione/%1/%2/%3").arg(printer, paper, QString::fromUtf8(axis));
}

bool InRange(double value) {
  return std::isfinite(value) && value >= kLeastMeasured && value <= kMostMeasured;
}

// A stored value: millimetres with a decimal point, as written by hand or by
// StoreCalibration.
std::optional<double> StoredValue(const QSettings& settings, const QString& key) {
  bool ok = false;
  const double value = settings.value(key).toString().trimmed().toDouble(&ok);
  if (!ok || !InRange(value)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> ReadMeasurement(const QString& text) {
  QString plain = text.trimmed();
  plain.replace(u',', u'.');
  bool ok = false;
  const double value = QLocale::c().toDouble(plain, &ok);
  if (!ok || !InRange(value)) return std::nullopt;
  return value;
}

std::optional<PrinterCalibration> StoredCalibration(const QString& printer, const QString& paper) {
  if (printer.isEmpty() || paper.isEmpty()) return std::nullopt;
  const std::unique_ptr<QSettings> settings = OpenSettings();
  const auto x = StoredValue(*settings, Key(printer, paper, "misura_x"));
  const auto y = StoredValue(*settings, Key(printer, paper, "misura_y"));
  if (!x || !y) return std::nullopt;
  return PrinterCalibration{*x, *y};
}

bool StoreCalibration(const QString& printer, const QString& paper,
                      const PrinterCalibration& calibration) {
  const std::unique_ptr<QSettings> settings = OpenSettings();
  settings->setValue(Key(printer, paper, "misura_x"), QString::number(calibration.measuredX));
  settings->setValue(Key(printer, paper, "misura_y"), QString::number(calibration.measuredY));
  settings->sync();
  return settings->status() == QSettings::NoError;
}

bool RemoveCalibration(const QString& printer, const QString& paper) {
  const std::unique_ptr<QSettings> settings = OpenSettings();
  settings->remove(QStringLiteral("calibrazione/%1/%2").arg(printer, paper));
  settings->sync();
  return settings->status() == QSettings::NoError;
}

QString SettingsFileName() { return OpenSettings()->fileName(); }

QString CalibrationNote(const QString& printer, const QString& paper,
                        const PrinterCalibration& calibration) {
  const QLocale italian(QLocale::Italian, QLocale::Italy);
  return Windows::tr("Stampa calibrata per %1, foglio %2: righe misurate %3 mm e %4 mm")
      .arg(printer, paper, italian.toString(calibration.measuredX, 'f', 1),
           italian.toString(calibration.measuredY, 'f', 1));
}
