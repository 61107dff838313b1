#pragma once

#include <QLocale>
#include <QString>

#include "shadow/ShadowAtInstant.h"

// The shadow's arithmetic in words, in the user's language. Times are counted in
// milliseconds from a midnight and may fall on the day before or after.

// "HH:MM:SS", to the nearest second, within the day.
QString ClockTimeText(qint64 ms);
// "HH:MM", to the nearest minute, within the day.
QString MinuteText(qint64 ms);

// A temporary hour as hours and minutes of temporary time: 3.4667 -> "3:28".
QString TemporaryHourText(double hour);

// `value` to `decimals` places with `locale`'s separator; a value that rounds
// to zero is written without a sign ("0,0", never "-0,0").
QString RoundedText(double value, int decimals, const QLocale& locale);

// What plate C shows, the earlier of the two first: with equal hours the two
// local apparent times of that altitude ("08:58", "15:02"), with temporary
// hours the two temporary hours ("3:39", "8:21").
struct PlateReading {
  QString morning, afternoon;
};
PlateReading ShownOnPlateC(const ShadowReading& r);

// What plate C shows, in words; an altitude dial tells neither morning from
// afternoon.
QString ReadingWords(const ShadowReading& r);

// What happens at that instant, the answer first: what the instrument shows
// (plate B: its delta for the day), then the clock, summer time, TMF, delta
// and TSVL. `locale` writes the decimals.
QString ShadowSentence(const ShadowReading& r, bool plateB, const QLocale& locale);

// The whole hours of a site drawn for a meridian moved from its zone's, as
// the sentence names them beside the zone: ", +1 ora sul meridiano delle
// piastre"; empty for the zone's own meridian.
QString ZoneShiftPhrase(int minutes);

// What TMF, TSVL and delta mean, for a reader who meets them in the sentence.
QString ShadowTermsNote();

// For a clock time that happens twice, which of the two is taken; else empty.
QString RepeatedHourNote(const ShadowReading& r);

// A length of summer time in words: "1 ora", "2 ore", "30 minuti".
QString SummerTimeWords(int minutes);

// What ombra's reading says with the Sun below the horizon.
QString SunDownWords();
