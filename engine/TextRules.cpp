#include "engine/TextRules.h"

#include <cmath>
#include <optional>

NotANumber::NotANumber(const QString &text)
    : std::runtime_error(QStringLiteral("\"%1\" is not a number").arg(text).toStdString())
{
}

namespace {

// Decimal notation only, with an optional sign, point and exponent. Qt's own
// parser would also take "inf", "nan" and the like, which no score can be.
bool isDecimal(QStringView text)
{
    qsizetype i = 0;
    const auto digits = [&] {
        const qsizetype start = i;
        while (i < text.size() && text[i].isDigit() && text[i].unicode() < 0x80)
            ++i;
        return i - start;
    };
    const auto skipSign = [&] {
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            ++i;
    };
    skipSign();
    qsizetype mantissa = digits();
    if (i < text.size() && text[i] == u'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        skipSign();
        if (digits() == 0)
            return false;
    }
    return i == text.size();
}

std::optional<double> parseNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const double value = isDecimal(trimmed) ? trimmed.toDouble(&ok) : 0.0;
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

bool isNumberText(const QString &text)
{
    return parseNumber(text).has_value();
}

double textToNumber(const QString &text)
{
    const std::optional<double> value = parseNumber(text);
    if (!value)
        throw NotANumber(text);
    return *value;
}

QString numberText(double value)
{
    // Every number the game shows is whole, and shorter than 15 digits.
    return QString::number(value, 'g', 15);
}

QString trimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first] == u' ')
        ++first;
    while (end > first && text[end - 1] == u' ')
        --end;
    return text.sliced(first, end - first);
}
