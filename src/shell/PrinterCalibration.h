#pragma once

#include <QString>
#include <optional>

// What a printer does to the scale, measured once by the user on its
// calibration sheet: how long the two 100 mm rules came out, across (the
// drawing's x axis, the landscape sheet's long side) and down. Every later
// print on that printer and paper is stretched by 100 / measured on each
// axis, so that the paper comes out true. Kept in the program's settings
// (QSettings "Quindal", "quindal") under calibrazione/PRINTER/PAPER/misura_x
// and misura_y, millimetres with a decimal point; an administrator may set
// them for every user in /etc/xdg/Quindal/quindal.conf.
struct PrinterCalibration {
  double measuredX = 100, measuredY = 100;  // millimetres

  double ScaleX() const { return 100 / measuredX; }
  double ScaleY() const { return 100 / measuredY; }
};

// The shortest and longest a measured rule may be.
inline constexpr double kLeastMeasured = 80, kMostMeasured = 120;

// A measurement as the user types it, "98,4" or "98.4", within the range;
// anything else is nothing.
std::optional<double> ReadMeasurement(const QString& text);

// The calibration kept for that queue and paper (QPageSize::key(), "A4").
// A missing, unreadable or out-of-range value means none.
std::optional<PrinterCalibration> StoredCalibration(const QString& printer, const QString& paper);
// Both say whether the settings took the change: a settings file or folder
// that cannot be written leaves the calibration as it was.
[[nodiscard]] bool StoreCalibration(const QString& printer, const QString& paper,
                                    const PrinterCalibration& calibration);
[[nodiscard]] bool RemoveCalibration(const QString& printer, const QString& paper);

// Where the settings are kept, for a message that cannot write them.
QString SettingsFileName();

// The words a calibrated page carries under its rule.
QString CalibrationNote(const QString& printer, const QString& paper,
                        const PrinterCalibration& calibration);
