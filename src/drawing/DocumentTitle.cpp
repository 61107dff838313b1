#include "drawing/DocumentTitle.h"

#include <QCoreApplication>

#include "drawing/NumberText.h"
#include "language/Language.h"

namespace {
class Document {
  Q_DECLARE_TR_FUNCTIONS(Document)
};
}  // namespace

QString DocumentTitle(const QString& subject, const DrawingParameters& site) {
  const QLocale locale = LanguageLocale();
  return Document::tr("Quindal - %1, latitudine %2°, scostamento %3°")
      .arg(subject, PlainDecimalText(site.Latitude, locale),
           PlainDecimalText(site.LongitudeOffset, locale));
}
