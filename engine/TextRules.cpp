#include "engine/TextRules.h"

#include <cmath>
#include <optional>

NotANumber::NotANumber(const QString &text)
    : std::runtime_error(QStringLiteral("\"%1\" is not a number").arg(text).toStdString())
{
}

namespace {

std::optional<double> parseNumber(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
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
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
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
