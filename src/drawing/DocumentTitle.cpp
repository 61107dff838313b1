#include "drawing/DocumentTitle.h"

#include <QLocale>

#include "drawing/NumberText.h"

QString DocumentTitle(const QString& subject, const DrawingParameters& site) {
  const QLocale italian(QLocale::Italian, QLocale::Italy);
  return QStringLiteral("Quindal - %1, latitudine %2°, scostamento %3°")
      .arg(subject, PlainDecimalText(site.Latitude, italian),
           PlainDecimalText(site.LongitudeOffset, italian));
}
