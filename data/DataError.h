#pragma once

#include "data/Characters.h"

#include <QCoreApplication>
#include <QString>

#include <stdexcept>

// A data file that cannot be used. The message names the file, and the line
// when one line is at fault, so the player knows what to repair.
class DataError : public std::runtime_error {
    Q_DECLARE_TR_FUNCTIONS(DataError)

public:
    DataError(const QString &path, int line, const QString &reason)
        : std::runtime_error(compose(path, line, reason).toStdString())
    {
    }
    DataError(const QString &path, const QString &reason)
        : DataError(path, 0, reason)
    {
    }
    // The same error, then what the player can do about it.
    DataError(const DataError &error, const QString &advice)
        : std::runtime_error(std::string(error.what()) + ". " + advice.toStdString())
    {
    }

    // A value from a file as a message quotes it: characters nobody can type
    // spelled out, and a long value cut short, so the message stays readable.
    static QString quote(const QString &value)
    {
        constexpr std::size_t kShown = 40;
        const std::u32string points = codePoints(value);
        QString shown;
        for (const char32_t c : points.substr(0, kShown)) {
            if (isUntypable(c))
                shown += QStringLiteral("\\u%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'));
            else
                shown += QString::fromUcs4(&c, 1);
        }
        return u'"' + shown + (points.size() > kShown ? QStringLiteral("...\"") : QStringLiteral("\""));
    }

private:
    static QString compose(const QString &path, int line, const QString &reason)
    {
        return line > 0 ? tr("%1, line %2: %3").arg(path, QString::number(line), reason)
                        : tr("%1: %2").arg(path, reason);
    }
};
