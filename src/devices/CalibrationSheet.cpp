#include "devices/CalibrationSheet.h"

#include <QCoreApplication>
#include <QFont>

#include "devices/WindowFont.h"
#include "drawing/DrawingUnits.h"

namespace {

constexpr double kLeft = 20, kTop = 20;  // millimetres: where the rule across starts
constexpr double kDownAt = kLeft + 120;  // the rule down's line
constexpr double kTextTop = kTop + 20;   // the words, under the rule across

}  // namespace

QRectF CalibrationSheetMillimetres() { return QRectF(kLeft - 1, kTop - 6, 128, 108); }

void PaintCalibrationSheet(QPainter& painter, double dotsPerInch) {
  const double dotsPerMm = dotsPerInch / DrawingUnits::kMillimetresPerInch;
  const auto at = [&](double x, double y) { return QPointF(x * dotsPerMm, y * dotsPerMm); };
  painter.setPen(QPen(Qt::black, 0));
  painter.drawLine(at(kLeft, kTop), at(kLeft + 100, kTop));
  painter.drawLine(at(kDownAt, kTop), at(kDownAt, kTop + 100));
  for (int mm = 0; mm <= 100; ++mm) {
    const double tick = mm % 10 == 0 ? 5 : mm % 5 == 0 ? 3 : 1.5;
    painter.drawLine(at(kLeft + mm, kTop), at(kLeft + mm, kTop - tick));
    painter.drawLine(at(kDownAt, kTop + mm), at(kDownAt - tick, kTop + mm));
  }
  QFont font = WindowFont();
  font.setPointSizeF(10);
  painter.setFont(font);
  const QRectF words(at(kLeft, kTextTop), at(kDownAt - 12, kTextTop + 80));
  painter.drawText(words, Qt::TextWordWrap,
                   QCoreApplication::translate(
                       "CalibrationSheet",
                       "Calibrazione della stampante.\n\n"
                       "Misurare con un righello, da un estremo all'altro, la riga orizzontale "
                       "qui sopra e quella verticale a destra: su una stampante esatta sono "
                       "lunghe 100 mm.\n\n"
                       "Scrivere le due misure, in millimetri, nella finestra del quindal: da "
                       "allora ogni stampa su questa stampante e questo foglio sarà corretta."));
}
