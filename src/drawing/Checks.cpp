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
  // `box` names the box, `named` the box and what it holds: "latitudine 91".
  const auto why = [&](const QString& box, const QString& text, double low, double high) {
    const QString value = ShownValue(text.trimmed());
    const QString named = box + (value.isEmpty() ? QString() : u' ' + value);
    if (value.isEmpty()) return Checks::tr("%1: manca il valore").arg(named);
    const std::optional<double> number = ReadNumber(text, locale);
    if (!number) return Checks::tr("%1: non è un numero").arg(named);
    if (*number < low || *number > high)
      return Checks::tr("%1: fuori dall'intervallo %2 … +%3")
          .arg(named, QString::number(low), QString::number(high));
    return QString();
  };
  if (!inputs.option5 && !inputs.option6) return Checks::tr("linee delle date: né MESI né DECADI");
  if (QString latitude = why(Checks::tr("latitudine"), inputs.text1, -90, 90); !latitude.isEmpty())
    return latitude;
  return why(Checks::tr("scostamento"), inputs.text4, -15, 15);
}

QString RefusalText(const InputState& inputs, const QString& ownReason, const QLocale& locale) {
  const QString reason = RefusalReason(inputs, locale);
  if (!reason.isEmpty()) return reason;
  return Checks::tr("latitudine %1: %2").arg(ShownValue(inputs.text1.trimmed()), ownReason);
}
