#pragma once

#include <QString>
#include <string>

// A value the user gave, as a message quotes it: whole up to 80 characters,
// otherwise its first 80 and "…", so that a runaway argument is not echoed.
inline QString ShownValue(const QString& value) {
  constexpr qsizetype kLongest = 80;
  if (value.size() <= kLongest) return value;
  qsizetype cut = kLongest;
  if (value[cut - 1].isHighSurrogate()) --cut;  // never half a character
  return value.left(cut) + QStringLiteral("…");
}
