#include "booklet/AssemblySteps.h"

#include <QCoreApplication>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "drawing/DrawingUnits.h"
#include "pieces/Pieces.h"
#include "instrument/AssembledInstrument.h"

namespace {

// The picture's box on the page, in millimetres.
constexpr double kPictureWidth = 72, kPictureHeight = 36;

// A piece's outline in millimetres on paper.
QPolygonF OutlineMm(const PieceCut& cut) {
  QPolygonF outline;
  for (const CutPoint& p : cut.outline)
    outline << QPointF(DrawingUnits::MillimetresAcross(p.x), DrawingUnits::MillimetresDown(p.y));
  return outline;
}

// Maps a rectangle in some units into the box at `boxMm`, keeping its shape.
QTransform Fit(const QRectF& from, const QRectF& boxMm, const BookletPages& pages) {
  const double scale = std::min(boxMm.width() / from.width(), boxMm.height() / from.height());
  const QPointF offset((boxMm.width() - from.width() * scale) / 2,
                       (boxMm.height() - from.height() * scale) / 2);
  QTransform t;
  t.translate(pages.Dots(boxMm.left() + offset.x()), pages.Dots(boxMm.top() + offset.y()));
  t.scale(pages.Dots(scale), pages.Dots(scale));
  t.translate(-from.left(), -from.top());
  return t;
}

QPen Line(const BookletPages& pages, double widthMm, Qt::PenStyle style = Qt::SolidLine) {
  return QPen(Qt::black, pages.Dots(widthMm), style, Qt::RoundCap, Qt::RoundJoin);
}

// A fold of the piece, in millimetres on paper.
QLineF FoldMm(const CutSegment& f) {
  using DrawingUnits::MillimetresAcross, DrawingUnits::MillimetresDown;
  return {MillimetresAcross(f.a.x), MillimetresDown(f.a.y), MillimetresAcross(f.b.x),
          MillimetresDown(f.b.y)};
}

// Steps 1 and 2: the five pieces side by side in two rows, each named; for
// step 2 with its folds dashed, the tabs that step bends.
void PaintPieces(BookletPages& pages, const DrawingParameters& site, const QRectF& box,
                 bool withFolds) {
  QPainter& p = pages.painter();
  std::vector<std::pair<const Piece*, PieceCut>> cuts;
  for (const Piece& piece : kPieces)
    if (piece.cut) cuts.emplace_back(&piece, piece.cut(site));
  const double cellWidth = box.width() / 3, cellHeight = box.height() / 2;
  p.setFont(BookletFont(7));
  for (std::size_t k = 0; k < cuts.size(); ++k) {
    const QRectF cell(box.left() + (k % 3) * cellWidth, box.top() + (k / 3) * cellHeight, cellWidth,
                      cellHeight);
    const QRectF shape = cell.adjusted(1, 1, -1, -4);
    const QPolygonF outline = OutlineMm(cuts[k].second);
    const QTransform t = Fit(outline.boundingRect(), shape, pages);
    p.setPen(Line(pages, 0.35));
    p.drawPolygon(t.map(outline));
    if (withFolds) {
      p.setPen(Line(pages, 0.3, Qt::DashLine));
      for (const CutSegment& f : cuts[k].second.folds) p.drawLine(t.map(FoldMm(f)));
    }
    p.drawText(QRectF(pages.Dots(cell.left()), pages.Dots(cell.bottom() - 3.5),
                      pages.Dots(cell.width()), pages.Dots(3.5)),
               Qt::AlignCenter, cuts[k].first->Title());
  }
}

// Steps 3 to 6: the base and the plates glued so far, the last one thick.
void PaintProfile(BookletPages& pages, const AssemblyProfile& profile, std::size_t upTo,
                  const QRectF& box) {
  QPainter& p = pages.painter();
  const auto& parts = profile.plates;
  const QRectF world(-0.2, -1.25, 1.95, 1.5);  // y turned down below
  const QTransform t = Fit(world, box, pages);
  const auto at = [&](QPointF q) { return t.map(QPointF(q.x(), -q.y())); };
  p.setPen(Line(pages, 0.6));
  p.drawLine(at({profile.baseBack - 0.15, 0}), at({profile.baseFront + 0.08, 0}));
  p.setFont(BookletFont(7));
  for (std::size_t k = 0; k <= upTo; ++k) {
    const ProfilePart& part = parts[k];
    p.setPen(Line(pages, k == upTo ? 0.9 : 0.25));
    p.drawLine(at(part.from), at(part.to));
    const QPointF middle = at((part.from + part.to) / 2);
    p.drawText(middle + QPointF(pages.Dots(1.2), -pages.Dots(1)), QString::fromUtf8(part.name));
    // The base's mark, below the foot; C1 and B1 stand side by side.
    const double shift = k == 1 ? -4 : k == 2 ? 1 : -1.5;
    p.drawText(at(part.from) + QPointF(pages.Dots(shift), pages.Dots(3.5)),
               QString::fromUtf8(part.foot));
  }
  p.drawText(at({0.5, 0}) + QPointF(-pages.Dots(2.5), pages.Dots(3.5)),
             QCoreApplication::translate("KitWords", "base"));
}

struct Step {
  const char* text;
  int picture;  // 0 the pieces, 1 the pieces and their folds, 2... the profile up to plate (picture
                // - 2)
};

// clang-format off
const Step kSteps[] = {
    {QT_TRANSLATE_NOOP("Booklet", "<b>1. Ritagliare</b> ogni pezzo lungo il contorno, la linea esterna, linguette comprese: "
     "piastre A, B, C, D e base. Il foglio delle istruzioni non si taglia."), 0},
    {QT_TRANSLATE_NOOP("Booklet", "<b>2. Cordonare e piegare.</b> Con la riga e lo strumento per cordonare, ripassare le "
     "pieghe, le linee dove una linguetta incontra la sua piastra (tratteggiate nella figura: "
     "ogni piastra ha le sue; la base non ne ha), poi piegare ogni linguetta."), 1},
    {QT_TRANSLATE_NOOP("Booklet", "<b>3. Piastra D.</b> Incollare la linguetta D2 sulla base, lungo il segno «D2»: la D sta "
     "in piedi, dietro."), 2},
    {QT_TRANSLATE_NOOP("Booklet", "<b>4. Piastra C.</b> Incollare la linguetta C1 sul segno «C1» della base e appoggiare il "
     "bordo superiore della C alla linguetta D1, in cima alla D: la C scende a 45° dalla cima "
     "della D alla base."), 3},
    {QT_TRANSLATE_NOOP("Booklet", "<b>5. Piastra B.</b> Incollare la linguetta B1 sul segno «B1»: la B sta in piedi "
     "all'estremità bassa della C."), 4},
    {QT_TRANSLATE_NOOP("Booklet", "<b>6. Piastra A.</b> Incollare la linguetta A1 in cima alla B e la A2 sul segno «A2» "
     "della base: la A scende dalla cima della B alla base, a 60° dall'orizzontale."), 5},
};
// clang-format on

}  // namespace

AssemblyProfile AssemblyProfileOf(const Instrument& instrument) {
  // Seen from the side: z to the right, y up, plate D's height a unit.
  const auto plate = [&](std::string_view name) {
    const std::vector<Vector3> corners = instrument.Named(name).parts.front().Corners();
    const auto [low, high] = std::minmax_element(corners.begin(), corners.end(),
                                                 [](Vector3 a, Vector3 b) { return a.y < b.y; });
    return std::pair{*low, *high};
  };
  const double unit = plate("D").second.y;
  // B and A a little forward, so that B's foot and C's read apart.
  const double gap = 0.075;
  const auto side = [&](Vector3 v, double shift) {
    return QPointF(v.z / unit + shift, v.y / unit);
  };
  AssemblyProfile profile;
  const char* const kFeet[][2] = {{"D", "D2"}, {"C", "C1"}, {"B", "B1"}, {"A", "A2"}};
  for (std::size_t k = 0; k < profile.plates.size(); ++k) {
    const auto [foot, top] = plate(kFeet[k][0]);
    const double shift = k >= 2 ? gap : 0;
    profile.plates[k] = {kFeet[k][0], kFeet[k][1], side(foot, shift), side(top, shift)};
  }
  const std::vector<Vector3> base = instrument.Named("base").Outline();
  const auto [nearest, farthest] =
      std::minmax_element(base.begin(), base.end(), [](Vector3 a, Vector3 b) { return a.z < b.z; });
  profile.baseBack = nearest->z / unit;
  profile.baseFront = farthest->z / unit + gap;
  return profile;
}

void PaintAssemblySteps(BookletPages& pages, const DrawingParameters& site) {
  QPainter& p = pages.Page(QPageLayout::Portrait);
  const AssemblyProfile profile = AssemblyProfileOf(AssembleInstrument(site));
  p.setPen(Qt::black);
  const double left = BookletPages::kMargin;
  double top = BookletPages::kMargin;
  top += pages.Html(QCoreApplication::translate("Booklet", "<h2>Montaggio</h2>"),
                    QPointF(left, top), 170) +
         2;
  for (const Step& step : kSteps) {
    const QRectF box(left, top, kPictureWidth, kPictureHeight);
    p.setPen(Line(pages, 0.15));
    p.drawRect(QRectF(pages.Dots(box.left()), pages.Dots(box.top()), pages.Dots(box.width()),
                      pages.Dots(box.height())));
    const QRectF inner = box.adjusted(2, 2, -2, -2);
    if (step.picture <= 1) PaintPieces(pages, site, inner, step.picture == 1);
    if (step.picture >= 2) PaintProfile(pages, profile, std::size_t(step.picture - 2), inner);
    pages.Html(QCoreApplication::translate("Booklet", step.text),
               QPointF(left + kPictureWidth + 6, top + 1), 170 - kPictureWidth - 6, 10.5);
    top += kPictureHeight + 5;
  }
}
