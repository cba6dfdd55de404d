#include "engine/TextRules.h"

#include <cmath>

NotANumber::NotANumber(const QString &text)
    : std::runtime_error(QStringLiteral("\"%1\" is not a number").arg(text).toStdString())
{
}

bool isNumberText(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value);
}

double textToNumber(const QString &text)
{
    if (!isNumberText(text))
        throw NotANumber(text);
    return text.trimmed().toDouble();
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
