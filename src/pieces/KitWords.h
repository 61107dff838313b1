#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <string>

#include "drawing/Canvas.h"

// The words the kit's sheets write, in the user's language. Italian is the
// source: with no translation in place each sheet is drawn as it always was.
class KitWords {
  Q_DECLARE_TR_FUNCTIONS(KitWords)
};

inline std::string Drawn(const QString& text) { return text.toStdString(); }

// A text of several rows written one under another, `step` apart, from
// (x, y): a translation may take more rows or fewer.
inline void PlaceRows(Canvas& c, float x, float y, float step, const QString& rows) {
  for (const QString& row : rows.split(u'\n')) {
    c.PlaceText(x, y, Drawn(row));
    y += step;
  }
}

// The `count` words of `list`, split at blanks; `source`'s where a
// translation has another count.
inline QStringList Words(const QString& list, const char* source, qsizetype count) {
  const QStringList words = list.split(u' ', Qt::SkipEmptyParts);
  return words.size() == count ? words : QString::fromUtf8(source).split(u' ');
}
