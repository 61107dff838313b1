#pragma once

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

class QTextDocument;

// The booklet's pages as they are written: a PDF writer and its painter,
// A4 either way round, in millimetres.
class BookletPages {
 public:
  BookletPages(QIODevice* out, const QString& title);
  ~BookletPages();

  // Starts a page, the first one included; its painter's unit is the dot.
  QPainter& Page(QPageLayout::Orientation orientation);
  // A page of text: HTML set in the program's font in the margins of an A4
  // portrait page, on as many pages as it takes.
  void TextPages(const QString& html);
  // HTML set on the current page, its top-left corner at `atMm`, `widthMm`
  // wide; returns its height in millimetres.
  double Html(const QString& html, QPointF atMm, double widthMm, double points = 11);
  // The height HTML would take, in millimetres, without setting it.
  double HtmlHeight(const QString& html, double widthMm, double points = 11);

  double Dots(double millimetres) const { return millimetres * writer_.resolution() / 25.4; }
  double DotsPerInch() const { return writer_.resolution(); }
  QPainter& painter() { return painter_; }

  static constexpr double kMargin = 20;  // mm, round a text page

 private:
  void SetUp(QTextDocument& document, const QString& html, double widthMm, double points);

  QPdfWriter writer_;
  QPainter painter_;
  bool started_ = false;
};

// The program's font at `points` on the PDF.
QFont BookletFont(double points, bool bold = false);
