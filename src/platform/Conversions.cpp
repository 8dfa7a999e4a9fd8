#include "platform/Conversions.h"

#include <QRegularExpression>

#include <cfenv>
#include <cmath>
#include <limits>

namespace platform {

namespace {

// Shows value with at most `digits` significant digits, in the fixed notation
// while the exponent allows it, trimmed of trailing zeros.
QString formatNumber(double value, int digits)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (value == 0.0)
        return QStringLiteral(" 0");
    const bool negative = value < 0;
    const double magnitude = std::fabs(value);

    // Qt's conversion, not the C library's: that one writes the separator of the user's locale.
    QString sci = QString::number(magnitude, 'E', digits - 1);
    const int ePos = sci.indexOf(QLatin1Char('E'));
    const int exponent = sci.mid(ePos + 1).toInt();
    QString mantissaDigits = sci.left(ePos).remove(QLatin1Char('.'));
    while (mantissaDigits.size() > 1 && mantissaDigits.endsWith(QLatin1Char('0')))
        mantissaDigits.chop(1);

    QString body;
    if (exponent >= digits || exponent < -digits) {
        body = mantissaDigits.left(1);
        if (mantissaDigits.size() > 1)
            body += QLatin1Char('.') + mantissaDigits.mid(1);
        body += QStringLiteral("E") + QLatin1Char(exponent < 0 ? '-' : '+')
            + QString::number(std::abs(exponent)).rightJustified(2, QLatin1Char('0'));
    } else if (exponent >= 0) {
        QString whole = mantissaDigits.left(exponent + 1);
        whole = whole.leftJustified(exponent + 1, QLatin1Char('0'));
        const QString fraction = mantissaDigits.mid(exponent + 1);
        body = fraction.isEmpty() ? whole : whole + QLatin1Char('.') + fraction;
    } else {
        body = QLatin1Char('.') + QString(-exponent - 1, QLatin1Char('0')) + mantissaDigits;
    }
    return (negative ? QStringLiteral("-") : QStringLiteral(" ")) + body;
}

} // namespace

QString Str(double value)
{
    return formatNumber(static_cast<double>(static_cast<float>(value)), 7);
}

QString StrDouble(double value) { return formatNumber(value, 15); }

QString Str(int value) { return Str(static_cast<long long>(value)); }

QString Str(long long value)
{
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" "))
        + QString::number(value < 0 ? -static_cast<unsigned long long>(value) : value);
}

double Val(const QString& text)
{
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            compact += c;
    }
    int i = 0;
    const int n = compact.size();
    QString number;
    if (i < n && (compact[i] == QLatin1Char('+') || compact[i] == QLatin1Char('-')))
        number += compact[i++];
    bool anyDigit = false;
    while (i < n && compact[i].isDigit() && compact[i].unicode() < 128) {
        number += compact[i++];
        anyDigit = true;
    }
    if (i < n && compact[i] == QLatin1Char('.')) {
        number += compact[i++];
        while (i < n && compact[i].isDigit() && compact[i].unicode() < 128) {
            number += compact[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;
    if (i < n && (compact[i] == QLatin1Char('E') || compact[i] == QLatin1Char('e')
                  || compact[i] == QLatin1Char('D') || compact[i] == QLatin1Char('d'))) {
        int j = i + 1;
        QString exponent = QStringLiteral("E");
        if (j < n && (compact[j] == QLatin1Char('+') || compact[j] == QLatin1Char('-')))
            exponent += compact[j++];
        bool expDigit = false;
        while (j < n && compact[j].isDigit() && compact[j].unicode() < 128) {
            exponent += compact[j++];
            expDigit = true;
        }
        if (expDigit)
            number += exponent;
    }
    bool ok = false;
    const double result = number.toDouble(&ok);
    return ok ? result : 0.0;
}

bool IsNumeric(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eEdD][+-]?[0-9]+)?$"));
    return number.match(text.trimmed()).hasMatch();
}

double RoundHalfEven(double value)
{
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double result = std::nearbyint(value);
    std::fesetround(previous);
    return result;
}

namespace {
template <class T>
T roundToInteger(double value, bool* ok)
{
    const double rounded = RoundHalfEven(value);
    const bool fits = !std::isnan(rounded) && rounded >= std::numeric_limits<T>::min()
        && rounded <= std::numeric_limits<T>::max();
    if (ok)
        *ok = fits;
    if (fits)
        return static_cast<T>(rounded);
    if (std::isnan(rounded))
        return 0;
    return rounded < 0 ? std::numeric_limits<T>::min() : std::numeric_limits<T>::max();
}
} // namespace

int16_t CInt(double value, bool* ok) { return roundToInteger<int16_t>(value, ok); }
int32_t CLng(double value, bool* ok) { return roundToInteger<int32_t>(value, ok); }

double Round(double value, int decimals)
{
    // Work on the shortest decimal text of the value so that 0.125 rounds to
    // 0.12 and 2.675 to 2.68, as a person reading the number expects.
    const double scale = std::pow(10.0, decimals);
    const double scaled = QString::number(value * scale, 'g', 15).toDouble();
    return RoundHalfEven(scaled) / scale;
}

double Int(double value) { return std::floor(value); }

QString UCase(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        c = c.toUpper();
    return result;
}

QString GroupedNumber(long long value, int width)
{
    const bool negative = value < 0;
    QString digits = QString::number(negative ? -value : value);
    QString grouped;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += QLatin1Char(' ');
        grouped += digits[i];
    }
    if (negative)
        grouped.prepend(QLatin1Char('-'));
    return grouped.rightJustified(width, QLatin1Char(' '));
}

} // namespace platform
