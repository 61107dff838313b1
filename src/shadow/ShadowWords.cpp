#include "shadow/ShadowWords.h"

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

}  // namespace

QString ClockTimeText(qint64 ms) {
  return TimeOfDay(Wrapped(ms), 1000, QStringLiteral("HH:mm:ss"));
}

QString MinuteText(qint64 ms) { return TimeOfDay(Wrapped(ms), 60000, QStringLiteral("HH:mm")); }

QString ReadingWords(const ShadowReading& r, const QLocale& locale) {
  const QString either = QStringLiteral(" (la piastra non distingue il mattino dal pomeriggio)");
  if (r.temporaryHour) {
    const double hour = *r.temporaryHour;
    return QStringLiteral("ora temporaria %1 o %2")
               .arg(locale.toString(std::min(hour, 12 - hour), 'f', 2),
                    locale.toString(std::max(hour, 12 - hour), 'f', 2)) +
           either;
  }
  const qint64 fromNoon = std::llabs(Wrapped(r.tsvlMs) - kNoonMs);
  return QStringLiteral("le %1 o le %2 di tempo vero locale")
             .arg(MinuteText(kNoonMs - fromNoon), MinuteText(kNoonMs + fromNoon)) +
         either;
}

QString ShadowSentence(const ShadowReading& r, bool plateB, const QLocale& locale) {
  const ShadowQuery& q = r.query;
  QString line = QStringLiteral("%1 ore %2 (%3), %4: TMF %5, delta %6 min, TSVL %7; ")
                     .arg(q.date.toString(QStringLiteral("dd/MM/yyyy")),
                          q.clock.toString(QStringLiteral("HH:mm")), q.zone,
                          r.summerMinutes ? QStringLiteral("ora legale %1%2 min")
                                                .arg(r.summerMinutes > 0 ? "+" : "")
                                                .arg(r.summerMinutes)
                                          : QStringLiteral("ora solare"),
                          ClockTimeText(r.tmfMs), locale.toString(r.deltaMinutes, 'f', 2),
                          ClockTimeText(r.tsvlMs));
  if (plateB) {
    return line +
           QStringLiteral("la piastra B dà delta %1 min per questo giorno: TMF = TSVL - delta")
               .arg(locale.toString(r.deltaMinutes, 'f', 2));
  }
  if (!r.SunUp()) return line + QStringLiteral("il Sole è sotto l'orizzonte: nessuna ombra");
  return line +
         QStringLiteral("altezza del Sole %1°, la piastra C segna ")
             .arg(locale.toString(r.altitudeDeg, 'f', 1)) +
         ReadingWords(r, locale);
}

QString RepeatedHourNote(const ShadowReading& r) {
  if (!r.repeatedHour) return {};
  return QStringLiteral("le %1 del %2 capitano due volte nel fuso %3: si prende la prima")
      .arg(r.query.clock.toString(QStringLiteral("HH:mm")),
           r.query.date.toString(QStringLiteral("dd/MM/yyyy")), r.query.zone);
}
