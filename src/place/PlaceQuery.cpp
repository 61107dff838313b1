#include "place/PlaceQuery.h"

PlaceQuery SplitPlaceQuery(const QString& text) {
  const qsizetype comma = text.lastIndexOf(u',');
  if (comma >= 0) {
    const QString code = text.mid(comma + 1).trimmed();
    const bool isCode = code.size() == 2 && code[0].isLetter() && code[0].unicode() < 128 &&
                        code[1].isLetter() && code[1].unicode() < 128;
    if (isCode) return {text.left(comma).trimmed(), code.toUpper()};
  }
  return {text.trimmed(), {}};
}
