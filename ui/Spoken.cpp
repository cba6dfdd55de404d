#include "ui/Spoken.h"

#include <QStringList>

namespace {

// "1 life", "2 lives".
QString count(int number, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(number).arg(QLatin1String(number == 1 ? one : many));
}

QString sayLetter(const QString &letter)
{
    if (letter == u" ")
        return QStringLiteral("space");
    if (letter == u"-")
        return QStringLiteral("hyphen");
    if (letter == u"'")
        return QStringLiteral("apostrophe");
    return letter;
}

QString hiddenAndStanding(const Level &level, Standing standing)
{
    return QStringLiteral("%1 hidden. %2 left. Score %3.")
        .arg(count(level.hiddenCount(), "letter", "letters"), count(standing.lives, "life", "lives"))
        .arg(standing.score);
}

} // namespace

namespace spoken {

QString maskedName(const Level &level)
{
    QStringList words;
    int blanks = 0;
    for (const QString &letter : level.maskedLetters()) {
        if (letter == u".") {
            ++blanks;
            continue;
        }
        if (blanks > 0)
            words << count(std::exchange(blanks, 0), "blank", "blanks");
        words << sayLetter(letter);
    }
    if (blanks > 0)
        words << count(blanks, "blank", "blanks");
    return words.join(QStringLiteral(", "));
}

QString guess(GuessResult result, const Level &level, Standing standing)
{
    const char *outcome = result == GuessResult::Found ? "found"
        : result == GuessResult::Missed                ? "missed"
                                                       : "already tried";
    return QStringLiteral("%1: %2. %3. %4")
        .arg(sayLetter(level.triedLetters().last()), QLatin1String(outcome), maskedName(level),
             hiddenAndStanding(level, standing));
}

QString level(const Level &level, int seconds, Standing standing)
{
    const QString from = level.origin().isEmpty() ? QString() : QStringLiteral(", from ") + level.origin();
    return QStringLiteral("New name%1: %2. %3 %4")
        .arg(from, maskedName(level), count(seconds, "second", "seconds") + u'.', hiddenAndStanding(level, standing));
}

QString alreadyTried(const QString &letter)
{
    return sayLetter(letter) + QStringLiteral(": already tried in this level.");
}

QString clockWarning(int secondsLeft, ClockWarning warning)
{
    if (warning == ClockWarning::TimeUp)
        return QStringLiteral("Time is up: a life lost every second until the name is found.");
    return QStringLiteral("Time is running out: %1 left.").arg(count(secondsLeft, "second", "seconds"));
}

} // namespace spoken
