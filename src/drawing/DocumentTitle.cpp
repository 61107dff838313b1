#include "drawing/DocumentTitle.h"

#include <QLocale>

#include "drawing/NumberText.h"

QString DocumentTitle(const QString& subject, const InputState& inputs) {
  const QLocale italian(QLocale::Italian, QLocale::Italy);
  const auto number = [&](const QString& text) {
    const std::optional<double> value = ReadNumber(text);
    return value ? PlainDecimalText(*value, italian) : text.trimmed();
  };
  return QStringLiteral("Quindal - %1, latitudine %2°, scostamento %3°")
      .arg(subject, number(inputs.text1), number(inputs.text4));
}
