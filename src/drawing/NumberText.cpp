#include "drawing/NumberText.h"

#include <cmath>

namespace {

std::optional<double> ReadStrict(const QString& text, const QLocale& locale) {
  bool ok = false;
  const double value = locale.toDouble(text, &ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> ReadNumber(const QString& text, const QLocale& locale) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return std::nullopt;

  QLocale strict = locale;
  strict.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
  if (auto value = ReadStrict(trimmed, strict)) return value;

  // The other separator, read as the regional decimal separator. With group
  // separators refused, a text that holds both kinds still fails here.
  const QString decimalPoint = strict.decimalPoint();
  for (const QString& other : {QStringLiteral("."), QStringLiteral(",")}) {
    if (other == decimalPoint || !trimmed.contains(other)) continue;
    QString swapped = trimmed;
    swapped.replace(other, decimalPoint);
    if (auto value = ReadStrict(swapped, strict)) return value;
  }
  return std::nullopt;
}

std::string WholeNumberText(long long n) {
  const std::string digits = std::to_string(n);
  return n < 0 ? digits + " " : " " + digits + " ";
}

std::string DecimalPatternText(double value, const QLocale& locale) {
  QString fixed = QString::number(std::fabs(value), 'f', 3);       // "45.000", "0.500"
  while (fixed.endsWith(u'0')) fixed.chop(1);                      // "45.", "0.5"
  if (fixed.startsWith(QStringLiteral("0."))) fixed.remove(0, 1);  // ".5"
  fixed.replace(u'.', locale.decimalPoint());
  if (value < 0) fixed.prepend(u'-');
  return fixed.toStdString();
}

QString PlainDecimalText(double value, const QLocale& locale) {
  QString fixed = QString::number(value, 'f', 3);  // "-2.758", "15.000", "-0.000"
  while (fixed.endsWith(u'0')) fixed.chop(1);
  if (fixed.endsWith(u'.')) fixed.chop(1);
  if (fixed == QStringLiteral("-0")) fixed = QStringLiteral("0");
  fixed.replace(u'.', locale.decimalPoint());
  return fixed;
}
