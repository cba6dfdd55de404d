#pragma once

#include <QString>

#include <stdexcept>

// A data file that cannot be used. The message names the file, and the line
// when one line is at fault, so the player knows what to repair.
class DataError : public std::runtime_error {
public:
    DataError(const QString &path, int line, const QString &reason)
        : std::runtime_error(compose(path, line, reason).toStdString())
    {
    }
    DataError(const QString &path, const QString &reason)
        : DataError(path, 0, reason)
    {
    }

    // A value from a file as a message quotes it: control characters spelled
    // out, and a long value cut short, so the message stays readable.
    static QString quote(const QString &value)
    {
        constexpr qsizetype kShown = 40;
        QString shown;
        for (const QChar c : value.left(kShown)) {
            if (c.category() == QChar::Other_Control)
                shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                shown += c;
        }
        return u'"' + shown + (value.size() > kShown ? QStringLiteral("...\"") : QStringLiteral("\""));
    }

private:
    static QString compose(const QString &path, int line, const QString &reason)
    {
        return line > 0 ? QStringLiteral("%1, line %2: %3").arg(path, QString::number(line), reason)
                        : QStringLiteral("%1: %2").arg(path, reason);
    }
};
