#pragma once

#include <QLocale>
#include <QString>

#include "shadow/ShadowAtInstant.h"

// The shadow's arithmetic in words, Italian. Times are counted in
// milliseconds from a midnight and may fall on the day before or after.

// "HH:MM:SS", to the nearest second, within the day.
QString ClockTimeText(qint64 ms);
// "HH:MM", to the nearest minute, within the day.
QString MinuteText(qint64 ms);

// What plate C shows: with equal hours the two local apparent times of that
// altitude, with temporary hours the two temporary hours; an altitude dial
// tells neither morning from afternoon. `locale` writes the decimals.
QString ReadingWords(const ShadowReading& r, const QLocale& locale);

// One line on what happens at that instant: clock time, summer time, TMF,
// delta, TSVL, and what the plate shows (plate B: its delta for the day).
QString ShadowSentence(const ShadowReading& r, bool plateB, const QLocale& locale);

// For a clock time that happens twice, which of the two is taken; else empty.
QString RepeatedHourNote(const ShadowReading& r);
