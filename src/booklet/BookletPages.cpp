#include "booklet/BookletPages.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

#include "devices/WindowFont.h"

namespace {

QPageLayout A4(QPageLayout::Orientation orientation) {
  return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(0, 0, 0, 0),
                     QPageLayout::Millimeter);
}

}  // namespace

QFont BookletFont(double points, bool bold) {
  QFont font = WindowFont();
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

BookletPages::BookletPages(QIODevice* out, const QString& title) : writer_(out) {
  writer_.setCreator(QStringLiteral("Quindal"));
  writer_.setTitle(title);
}

BookletPages::~BookletPages() {
  if (painter_.isActive()) painter_.end();
}

QPainter& BookletPages::Page(QPageLayout::Orientation orientation) {
  writer_.setPageLayout(A4(orientation));
  if (!started_) {
    painter_.begin(&writer_);
    started_ = true;
  } else {
    writer_.newPage();
  }
  painter_.resetTransform();
  return painter_;
}

void BookletPages::TextPages(const QString& html) {
  QTextDocument document;
  document.documentLayout()->setPaintDevice(&writer_);
  document.setDefaultFont(BookletFont(11));
  document.setDocumentMargin(0);
  const double width = Dots(210 - 2 * kMargin), height = Dots(297 - 2 * kMargin);
  document.setPageSize(QSizeF(width, height));
  document.setHtml(html);
  for (int k = 0; k < document.pageCount(); ++k) {
    QPainter& painter = Page(QPageLayout::Portrait);
    painter.translate(Dots(kMargin), Dots(kMargin) - k * height);
    document.drawContents(&painter, QRectF(0, k * height, width, height));
  }
}

void BookletPages::SetUp(QTextDocument& document, const QString& html, double widthMm,
                         double points) {
  document.documentLayout()->setPaintDevice(&writer_);
  document.setDefaultFont(BookletFont(points));
  document.setDocumentMargin(0);
  document.setTextWidth(Dots(widthMm));
  document.setHtml(html);
}

double BookletPages::HtmlHeight(const QString& html, double widthMm, double points) {
  QTextDocument document;
  SetUp(document, html, widthMm, points);
  return document.size().height() / Dots(1);
}

double BookletPages::Html(const QString& html, QPointF atMm, double widthMm, double points) {
  QTextDocument document;
  SetUp(document, html, widthMm, points);
  painter_.save();
  painter_.translate(Dots(atMm.x()), Dots(atMm.y()));
  document.drawContents(&painter_);
  painter_.restore();
  return document.size().height() / Dots(1);
}
