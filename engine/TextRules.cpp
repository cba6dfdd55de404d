#include "engine/TextRules.h"

#include <algorithm>
#include <cmath>
#include <optional>

NotANumber::NotANumber(const QString &text)
    : std::runtime_error(QStringLiteral("\"%1\" is not a number").arg(text).toStdString())
{
}

namespace {

// Decimal notation only: Qt's own parser would also take "inf", "nan" and the
// like, which no score can be. It judges the rest of the form.
bool isDecimal(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return QStringView(u"0123456789+-.eE").contains(c); });
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
