#include "booklet/Booklet.h"

#include <QBuffer>
#include <QCoreApplication>
#include <algorithm>

#include "booklet/AssemblySteps.h"
#include "booklet/BookletPages.h"
#include "booklet/BookletTexts.h"
#include "devices/Emblem.h"
#include "devices/RecordingCanvas.h"
#include "devices/TrueScalePage.h"
#include "drawing/DocumentTitle.h"
#include "pieces/Pieces.h"

namespace {

// A 100 mm rule from `from`, across or down, with a tick every centimetre
// and longer ones at its ends, drawn with flat ends so that it is exactly
// 100 mm long on the paper.
void PaintRule(BookletPages& pages, QPointF fromMm, bool across) {
  QPainter& p = pages.painter();
  QPen pen(Qt::black, pages.Dots(0.3), Qt::SolidLine, Qt::FlatCap);  // 0.3 mm wide
  p.setPen(pen);
  const auto at = [&](double along, double aside) {
    return across ? QPointF(pages.Dots(fromMm.x() + along), pages.Dots(fromMm.y() - aside))
                  : QPointF(pages.Dots(fromMm.x() + aside), pages.Dots(fromMm.y() + along));
  };
  p.drawLine(at(0, 0), at(100, 0));
  // The end ticks stand inside the ends, so that the ink spans 100 mm.
  const double half = 0.15;
  for (int mm = 0; mm <= 100; mm += 10) {
    const double tick = mm == 0 || mm == 100 ? 6 : mm == 50 ? 4 : 2.5;
    const double along = mm == 0 ? half : mm == 100 ? 100 - half : mm;
    p.drawLine(at(along, 0), at(along, tick));
  }
}

// The cover: the site, the materials when they fit beside it, and the two
// rules to measure before anything is cut. Says whether the materials are on it.
bool PaintCover(BookletPages& pages, const CheckedProject& b) {
  QPainter& p = pages.Page(QPageLayout::Portrait);
  p.setPen(Qt::black);
  const double left = BookletPages::kMargin, width = 210 - 2 * left;
  const double emblem = 40;  // mm, at the top right, beside the words
  const double coverHeight = pages.Html(CoverHtml(b), QPointF(left, left), width - emblem - 5, 12);
  p.drawImage(QRectF(pages.Dots(210 - left - emblem), pages.Dots(left), pages.Dots(emblem),
                     pages.Dots(emblem)),
              EmblemImage(600));
  // Before anything is cut: both rules must measure 100 mm. The rule across
  // near the foot of the page, the rule down right of the words.
  const double acrossY = 262, downX = 180, downTop = 172;
  const double measureWidth = downX - left - 12;
  const double measureTop = acrossY - 8 - pages.HtmlHeight(MeasureFirstHtml(), measureWidth);
  const double materialsTop = left + std::max(coverHeight, emblem) + 6;
  const double materialsWidth = downX - left - 8, materialsPoints = 10;
  const bool materials =
      materialsTop + pages.HtmlHeight(MaterialsHtml(), materialsWidth, materialsPoints) + 4 <=
      std::min(measureTop, downTop);
  if (materials)
    pages.Html(MaterialsHtml(), QPointF(left, materialsTop), materialsWidth, materialsPoints);
  pages.Html(MeasureFirstHtml(), QPointF(left, measureTop), measureWidth);
  PaintRule(pages, QPointF(left, acrossY), true);
  PaintRule(pages, QPointF(downX, downTop), false);
  p.setFont(BookletFont(9));
  p.drawText(QPointF(pages.Dots(left), pages.Dots(acrossY + 7)),
             QCoreApplication::translate("Booklet", "100 mm in orizzontale"));
  p.drawText(QPointF(pages.Dots(downX - 15), pages.Dots(downTop + 107)),
             QCoreApplication::translate("Booklet", "100 mm in verticale"));
  return materials;
}

}  // namespace

QString BookletTitle(const CheckedProject& b) {
  return DocumentTitle(
      b.project.site.TownName().isEmpty()
          ? QCoreApplication::translate("Booklet", "fascicolo")
          : QCoreApplication::translate("Booklet", "fascicolo, %1").arg(b.project.site.TownName()),
      b.parameters);
}

QString BookletFileName(const CheckedProject& b) {
  QString name = b.project.site.TownName().isEmpty()
                     ? QCoreApplication::translate("Booklet", "fascicolo")
                     : b.project.site.TownName().toLower();
  // Letters and digits only, joined by hyphens: "San Donà di Piave" ->
  // "san-donà-di-piave".
  QString plain;
  for (const QChar c : name) plain += c.isLetterOrNumber() ? c : QChar(u'-');
  plain = plain.split(u'-', Qt::SkipEmptyParts).join(u'-');
  return QStringLiteral("quindal-%1-%2.pdf").arg(plain).arg(b.project.BookletYear());
}

QByteArray RenderBooklet(const CheckedProject& asked) {
  CheckedProject b = asked;
  b.project.year = b.project.BookletYear();  // one year for every page, even across a new year
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    BookletPages pages(&buffer, BookletTitle(b));
    if (!PaintCover(pages, b)) pages.TextPages(MaterialsHtml());
    // The six sheets exactly as the kit's PDF pages: the same painting at
    // the same resolution.
    for (const Piece& piece : kPieces) {
      RecordingCanvas recorder;
      piece.DrawingFor(b.project.hours).body(recorder, b.parameters);
      PaintTrueScalePage(pages.Page(QPageLayout::Landscape), pages.DotsPerInch(), recorder.Calls());
    }
    PaintAssemblySteps(pages, b.parameters);
    pages.TextPages(UseHtml(b));
    pages.TextPages(ReadingTableHtml(b));
    pages.TextPages(ObservationHtml());
  }
  return bytes;
}
