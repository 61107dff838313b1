#pragma once

#include <QLocale>
#include <QString>
#include <optional>
#include <string>

// Reads a text typed into one of the main window's boxes as a number, under
// the regional number format `locale`. The text is a number when, without its
// leading and trailing blanks, it reads completely as one finite number.
//  - Both decimal separators are taken, whatever the regional format: the
//    window asks for "n,d", and "n.d" is what many keyboards give.
//  - Thousands separators are refused: under an Italian format "0.045" must not
//    quietly become 45 and draw the dial for the wrong latitude.
//  - "nan", "inf" and overflowing exponents are not numbers: a NaN would pass
//    every range comparison.
std::optional<double> ReadNumber(const QString& text, const QLocale& locale = QLocale());

// A whole number as the drawing window writes it: the place of the sign (a
// blank, or "-"), the digits, one trailing blank: " 12 ", " 0 ", "-3 ".
std::string WholeNumberText(long long n);

// The pattern "#.###": at most three decimals, no trailing zeros, no digit
// forced before the separator, the regional decimal separator always written:
// 15 -> "15,", 7.5 -> "7,5", 0.5 -> ",5", -15 -> "-15," under an Italian format.
std::string DecimalPatternText(double value, const QLocale& locale = QLocale());

// A plain decimal as a user types it into a box: rounded to three places,
// with the regional decimal separator, a leading zero, and neither a trailing
// separator nor trailing zeros: 0 -> "0", 0.5 -> "0,5", 15 -> "15",
// -2.7584 -> "-2,758" under an Italian format. Reads back through ReadNumber
// to the rounded value.
QString PlainDecimalText(double value, const QLocale& locale = QLocale());
