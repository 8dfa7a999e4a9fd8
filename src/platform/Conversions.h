#pragma once
// Conversions between numbers and texts as the program shows and reads them.
#include <QString>
#include <cstdint>

namespace platform {

// Number to text: a blank before a non-negative number, a minus sign otherwise,
// a point as decimal separator whatever the locale, no zero before the point of
// a number below 1 and no trailing zeros. Single-precision values show at most
// 7 significant digits; larger or tinier values switch to "1.234568E+07".
QString Str(double value);          // as a single-precision number (7 digits)
QString StrDouble(double value);    // as a double-precision number (15 digits)
QString Str(int value);
QString Str(long long value);

// Text to number: the leading number of the text. Blanks, tabs and line feeds
// are ignored wherever they stand, a point is the decimal separator, reading
// stops at the first character that cannot continue the number, 0 when none.
double Val(const QString& text);

// True when the text, blanks around it allowed, is a plain number: an optional
// sign, digits with at most one point, an optional exponent ("12", " 7.5 ", "-3", "1E3").
bool IsNumeric(const QString& text);

// Nearest whole number, a value exactly halfway going to the even one.
double RoundHalfEven(double value);
// Round half to even to a 16-bit / 32-bit signed integer; *ok is false (and the
// result clamped) when the value does not fit.
int16_t CInt(double value, bool* ok = nullptr);
int32_t CLng(double value, bool* ok = nullptr);
// Rounding to a number of decimals, half to even on the decimal representation.
double Round(double value, int decimals);
// Largest whole number not above the value.
double Int(double value);

// Upper-casing of every letter, accented ones included, one character for one.
QString UCase(const QString& text);

// Whole number with a blank between groups of three digits, right-aligned
// with blanks in a field of the given width ("1 011 326", "   105").
QString GroupedNumber(long long value, int width = 0);

} // namespace platform
