#include "drawing/Checks.h"

#include "drawing/NumberText.h"
#include "drawing/ShownValue.h"

std::optional<DrawingParameters> CheckInputs(const InputState& inputs, const ExtraCheck& extra,
                                             const QLocale& locale) {
  // No option selected leaves the spacing unset, which the range check refuses.
  DateLineSpacing dateSpacing = DateLineSpacing::Unset;
  if (inputs.option5) dateSpacing = DateLineSpacing::TenDays;
  if (inputs.option6) dateSpacing = DateLineSpacing::Months;

  if (inputs.text4.isEmpty() || inputs.text1.isEmpty()) return std::nullopt;
  if (dateSpacing == DateLineSpacing::Unset) return std::nullopt;

  const std::optional<double> latitude = ReadNumber(inputs.text1, locale);
  if (!latitude || *latitude < -90 || *latitude > 90) return std::nullopt;

  const std::optional<double> longitude = ReadNumber(inputs.text4, locale);
  if (!longitude || *longitude < -15 || *longitude > 15) return std::nullopt;

  DrawingParameters parameters{*latitude, *longitude, dateSpacing};
  if (extra && !extra(parameters)) return std::nullopt;
  return parameters;
}

QString RefusalReason(const InputState& inputs, const QLocale& locale) {
  const auto why = [&](const char* box, const QString& text, double low, double high) {
    const QString value = ShownValue(text.trimmed());
    const QString named = QString::fromUtf8(box) + (value.isEmpty() ? QString() : u' ' + value);
    if (value.isEmpty()) return named + QStringLiteral(": manca il valore");
    const std::optional<double> number = ReadNumber(text, locale);
    if (!number) return named + QStringLiteral(": non è un numero");
    if (*number < low || *number > high)
      return named + QStringLiteral(": fuori dall'intervallo %1 … +%2").arg(low).arg(high);
    return QString();
  };
  if (!inputs.option5 && !inputs.option6)
    return QStringLiteral("linee delle date: né MESI né DECADI");
  if (QString latitude = why("latitudine", inputs.text1, -90, 90); !latitude.isEmpty())
    return latitude;
  return why("scostamento", inputs.text4, -15, 15);
}

QString RefusalText(const InputState& inputs, const QString& ownReason, const QLocale& locale) {
  const QString reason = RefusalReason(inputs, locale);
  if (!reason.isEmpty()) return reason;
  return QStringLiteral("latitudine ") + ShownValue(inputs.text1.trimmed()) + QStringLiteral(": ") +
         ownReason;
}
