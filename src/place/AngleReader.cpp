#include "place/AngleReader.h"

#include <QRegularExpression>
#include <cmath>

namespace {

// A whole or decimal number with either separator.
double Part(const QString& text) {
  QString plain = text;
  plain.replace(u',', u'.');
  return plain.toDouble();
}

bool Whole(const QString& text) { return !text.contains(u'.') && !text.contains(u','); }

}  // namespace

std::optional<double> ReadAngle(const QString& text, AngleKind kind) {
  static const QRegularExpression kAngle(
      QStringLiteral(R"(^\s*([NSEWO])?\s*([+-])?\s*(\d+(?:[.,]\d+)?)\s*(?:°|º)?)"
                     R"(\s*(?:(\d+(?:[.,]\d+)?)\s*(?:'|′|’)?)"
                     R"(\s*(?:(\d+(?:[.,]\d+)?)\s*(?:"|″|''|”)?)?)?)"
                     R"(\s*([NSEWO])?\s*$)"),
      QRegularExpression::CaseInsensitiveOption);
  if (text.size() > 100) return std::nullopt;  // no angle is that long
  const QRegularExpressionMatch m = kAngle.match(text);
  if (!m.hasMatch()) return std::nullopt;

  const QString before = m.captured(1).toUpper(), after = m.captured(6).toUpper();
  if (!before.isEmpty() && !after.isEmpty()) return std::nullopt;
  const QString letter = before.isEmpty() ? after : before;
  const QString sign = m.captured(2);
  if (!letter.isEmpty() && !sign.isEmpty()) return std::nullopt;

  const QString degrees = m.captured(3), minutes = m.captured(4), seconds = m.captured(5);
  // Only the last part given may carry a fraction.
  if (!minutes.isEmpty() && !Whole(degrees)) return std::nullopt;
  if (!seconds.isEmpty() && !Whole(minutes)) return std::nullopt;
  const double m1 = minutes.isEmpty() ? 0 : Part(minutes);
  const double s1 = seconds.isEmpty() ? 0 : Part(seconds);
  if (m1 >= 60 || s1 >= 60) return std::nullopt;
  double value = Part(degrees) + m1 / 60 + s1 / 3600;

  const bool latitude = kind == AngleKind::Latitude;
  if (!letter.isEmpty()) {
    const bool fits = latitude ? (letter == u"N" || letter == u"S")
                               : (letter == u"E" || letter == u"W" || letter == u"O");
    if (!fits) return std::nullopt;
    if (letter == u"S" || letter == u"W" || letter == u"O") value = -value;
  }
  if (sign == u"-") value = -value;
  if (!std::isfinite(value) || std::fabs(value) > (latitude ? 90 : 180)) return std::nullopt;
  return value;
}
