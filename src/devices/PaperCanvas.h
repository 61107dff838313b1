#pragma once

#include <QFont>
#include <QPainter>

#include "drawing/Canvas.h"

// Draws on paper at true scale: a drawing unit is 2.9625 twips across and
// 2.83125 twips down whatever the resolution, never fitted to the page. The
// drawing's origin lies `originMillimetres` from the top and left edges of
// the page, clear of any printer's margin.
class PaperCanvas final : public Canvas {
 public:
  static constexpr double kOriginMillimetres = 10;

  // `painter` paints on a page of `dotsPerInch`, whose top-left corner is
  // the painter's origin.
  PaperCanvas(QPainter& painter, double dotsPerInch);

  // The page position, in dots, of a point in drawing units.
  QPointF DotsOf(double x, double y) const;

 protected:
  void Line(float x1, float y1, float x2, float y2, Colour c) override;
  void Point(float x, float y, Colour c) override;
  void Text(float x, float y, std::string_view text, Colour anchor) override;

 private:
  QPainter& painter_;
  double dotsPerUnitX_;
  double dotsPerUnitY_;
  double originDots_;
  QFont font_;
  double ascent_;
};
