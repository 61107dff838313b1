#include "shadow/ShadowWords.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr qint64 kDayMs = 86400 * 1000LL;
constexpr qint64 kNoonMs = kDayMs / 2;

QString TimeOfDay(qint64 ms, qint64 unit, const QString& format) {
  const qint64 rounded = (ms + unit / 2) / unit * unit;  // ms >= 0 once wrapped below
  return QTime::fromMSecsSinceStartOfDay(int(((rounded % kDayMs) + kDayMs) % kDayMs))
      .toString(format);
}

qint64 Wrapped(qint64 ms) { return ((ms % kDayMs) + kDayMs) % kDayMs; }

QString SummerWords(int summerMinutes) {
  return summerMinutes ? QStringLiteral("ora legale %1%2 min")
                             .arg(summerMinutes > 0 ? QStringLiteral("+") : QString())
                             .arg(summerMinutes)
                       : QStringLiteral("senza ora legale");
}

}  // namespace

QString ClockTimeText(qint64 ms) {
  return TimeOfDay(Wrapped(ms), 1000, QStringLiteral("HH:mm:ss"));
}

QString MinuteText(qint64 ms) { return TimeOfDay(Wrapped(ms), 60000, QStringLiteral("HH:mm")); }

QString TemporaryHourText(double hour) {
  const long minutes = std::lround(hour * 60);
  return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString RoundedText(double value, int decimals, const QLocale& locale) {
  const double scale = std::pow(10.0, decimals);
  double rounded = std::round(value * scale) / scale;
  if (rounded == 0) rounded = 0;  // -0 too
  return locale.toString(rounded, 'f', decimals);
}

PlateReading ShownOnPlateC(const ShadowReading& r) {
  if (r.temporaryHour) {
    const double hour = *r.temporaryHour;
    return {TemporaryHourText(std::min(hour, 12 - hour)),
            TemporaryHourText(std::max(hour, 12 - hour))};
  }
  const qint64 fromNoon = std::llabs(Wrapped(r.tsvlMs) - kNoonMs);
  return {MinuteText(kNoonMs - fromNoon), MinuteText(kNoonMs + fromNoon)};
}

QString ReadingWords(const ShadowReading& r) {
  const PlateReading shown = ShownOnPlateC(r);
  const QString either = QStringLiteral(" (la piastra non distingue il mattino dal pomeriggio)");
  if (r.temporaryHour)
    return QStringLiteral("ora temporaria %1 o %2").arg(shown.morning, shown.afternoon) + either;
  return QStringLiteral("le %1 o le %2 di tempo vero locale").arg(shown.morning, shown.afternoon) +
         either;
}

QString ZoneShiftPhrase(int minutes) {
  if (minutes == 0) return {};
  return QStringLiteral(", %1%2 sul meridiano delle piastre")
      .arg(minutes > 0 ? QStringLiteral("+") : QStringLiteral("-"),
           SummerTimeWords(std::abs(minutes)));
}

QString ShadowSentence(const ShadowReading& r, bool plateB, const QLocale& locale) {
  const ShadowQuery& q = r.query;
  const QString delta = RoundedText(r.deltaMinutes, 2, locale);
  QString answer;
  if (plateB) {
    answer = QStringLiteral("La piastra B dà delta %1 min per il %2: TMF = TSVL - delta.")
                 .arg(delta, q.date.toString(QStringLiteral("dd/MM")));
  } else if (!r.SunUp()) {
    answer = QStringLiteral("Il Sole è sotto l'orizzonte: nessuna ombra.");
  } else {
    const PlateReading shown = ShownOnPlateC(r);
    answer = (r.temporaryHour ? QStringLiteral("Il quindal segna l'ora temporaria %1 (o %2)")
                              : QStringLiteral("Il quindal segna le %1 (o le %2)"))
                 .arg(shown.morning, shown.afternoon) +
             QStringLiteral(", il Sole è alto %1°.").arg(RoundedText(r.altitudeDeg, 1, locale));
  }
  return answer + QStringLiteral(
                      " L'orologio (%1, %2) segna le %3 del %4: TMF %5, delta %6 min, "
                      "TSVL %7.")
                      .arg(q.zone() + ZoneShiftPhrase(r.zoneShiftMinutes),
                           SummerWords(r.summerMinutes), q.clock.toString(QStringLiteral("HH:mm")),
                           q.date.toString(QStringLiteral("dd/MM/yyyy")), ClockTimeText(r.tmfMs),
                           delta, ClockTimeText(r.tsvlMs));
}

QString ShadowTermsNote() {
  return QStringLiteral(
      "TMF: tempo medio del fuso, l'ora dell'orologio senza l'ora legale.\n"
      "TSVL: tempo solare vero locale, l'ora del Sole in questo luogo, quella che la piastra C "
      "mostra.\n"
      "delta: la correzione che la piastra B dà per il giorno (equazione del tempo e "
      "longitudine): TSVL = TMF + delta.");
}

QString RepeatedHourNote(const ShadowReading& r) {
  if (!r.repeatedHour) return {};
  return QStringLiteral("le %1 del %2 capitano due volte nel fuso %3: si prende la prima")
      .arg(r.query.clock.toString(QStringLiteral("HH:mm")),
           r.query.date.toString(QStringLiteral("dd/MM/yyyy")), r.query.zone());
}

QString SummerTimeWords(int minutes) {
  if (minutes == 60) return QStringLiteral("1 ora");
  if (minutes % 60 == 0) return QStringLiteral("%1 ore").arg(minutes / 60);
  return QStringLiteral("%1 minuti").arg(minutes);
}
