#include "shadow/ShadowWords.h"

#include <QCoreApplication>
#include <cmath>
#include <cstdlib>

namespace {

class ShadowText {
  Q_DECLARE_TR_FUNCTIONS(ShadowText)
};

constexpr qint64 kDayMs = 86400 * 1000LL;
constexpr qint64 kNoonMs = kDayMs / 2;

QString TimeOfDay(qint64 ms, qint64 unit, const QString& format) {
  const qint64 rounded = (ms + unit / 2) / unit * unit;  // ms >= 0 once wrapped below
  return QTime::fromMSecsSinceStartOfDay(int(((rounded % kDayMs) + kDayMs) % kDayMs))
      .toString(format);
}

qint64 Wrapped(qint64 ms) { return ((ms % kDayMs) + kDayMs) % kDayMs; }

QString SummerWords(int summerMinutes) {
  return summerMinutes ? ShadowText::tr("ora legale %1%2 min")
                             .arg(summerMinutes > 0 ? QStringLiteral("+") : QString())
                             .arg(summerMinutes)
                       : ShadowText::tr("senza ora legale");
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
  if (r.temporaryHour)
    return ShadowText::tr(
               "ora temporaria %1 o %2 (la piastra non distingue il mattino dal "
               "pomeriggio)")
        .arg(shown.morning, shown.afternoon);
  return ShadowText::tr(
             "le %1 o le %2 di tempo vero locale (la piastra non distingue il mattino dal "
             "pomeriggio)")
      .arg(shown.morning, shown.afternoon);
}

QString ZoneShiftPhrase(int minutes) {
  if (minutes == 0) return {};
  return ShadowText::tr(", %1%2 sul meridiano delle piastre")
      .arg(minutes > 0 ? QStringLiteral("+") : QStringLiteral("-"),
           SummerTimeWords(std::abs(minutes)));
}

QString ShadowSentence(const ShadowReading& r, bool plateB, const QLocale& locale) {
  const ShadowQuery& q = r.query;
  const QString delta = RoundedText(r.deltaMinutes, 2, locale);
  QString answer;
  if (plateB) {
    answer = ShadowText::tr("La piastra B dà delta %1 min per il %2: TMF = TSVL - delta.")
                 .arg(delta, q.date.toString(QStringLiteral("dd/MM")));
  } else if (!r.SunUp()) {
    answer = ShadowText::tr("Il Sole è sotto l'orizzonte: nessuna ombra.");
  } else {
    const PlateReading shown = ShownOnPlateC(r);
    const QString altitude = RoundedText(r.altitudeDeg, 1, locale);
    answer =
        (r.temporaryHour ? ShadowText::tr("Il quindal segna l'ora temporaria %1 (o %2), il Sole "
                                          "è alto %3°.")
                         : ShadowText::tr("Il quindal segna le %1 (o le %2), il Sole è alto %3°."))
            .arg(shown.morning, shown.afternoon, altitude);
  }
  return answer + ShadowText::tr(
                      " L'orologio (%1, %2) segna le %3 del %4: TMF %5, delta %6 min, "
                      "TSVL %7.")
                      .arg(q.zone() + ZoneShiftPhrase(r.zoneShiftMinutes),
                           SummerWords(r.summerMinutes), q.clock.toString(QStringLiteral("HH:mm")),
                           q.date.toString(QStringLiteral("dd/MM/yyyy")), ClockTimeText(r.tmfMs),
                           delta, ClockTimeText(r.tsvlMs));
}

QString ShadowTermsNote() {
  return ShadowText::tr(
      "TMF: tempo medio del fuso, l'ora dell'orologio senza l'ora legale.\n"
      "TSVL: tempo solare vero locale, l'ora del Sole in questo luogo, quella che la piastra C "
      "mostra.\n"
      "delta: la correzione che la piastra B dà per il giorno (equazione del tempo e "
      "longitudine): TSVL = TMF + delta.");
}

QString RepeatedHourNote(const ShadowReading& r) {
  if (!r.repeatedHour) return {};
  return ShadowText::tr("le %1 del %2 capitano due volte nel fuso %3: si prende la prima")
      .arg(r.query.clock.toString(QStringLiteral("HH:mm")),
           r.query.date.toString(QStringLiteral("dd/MM/yyyy")), r.query.zone());
}

QString SummerTimeWords(int minutes) {
  if (minutes % 60 == 0) return ShadowText::tr("%n ore", nullptr, minutes / 60);
  return ShadowText::tr("%n minuti", nullptr, minutes);
}

QString SunDownWords() { return ShadowText::tr("il Sole è sotto l'orizzonte: nessuna ombra"); }
