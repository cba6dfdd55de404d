#include "ui/Spoken.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString blanks(int count)
{
    //: Hidden letters in a row, as read out: "2 blanks"
    return QCoreApplication::translate("Spoken", "%n blanks", nullptr, count);
}

QString seconds(int count)
{
    return QCoreApplication::translate("Spoken", "%n seconds", nullptr, count);
}

QString sayLetter(const QString &letter)
{
    if (letter == u" ")
        return QCoreApplication::translate("Spoken", "space");
    if (letter == u"-")
        return QCoreApplication::translate("Spoken", "hyphen");
    if (letter == u"'")
        return QCoreApplication::translate("Spoken", "apostrophe");
    return letter;
}

QString hiddenAndStanding(const Level &level, Standing standing)
{
    //: %1: "2 letters", %2: "9 lives", %3: the score
    return QCoreApplication::translate("Spoken", "%1 hidden. %2 left. Score %3.")
        .arg(QCoreApplication::translate("Spoken", "%n letters", nullptr, level.hiddenCount()),
             QCoreApplication::translate("Spoken", "%n lives", nullptr, standing.lives))
        .arg(standing.score);
}

} // namespace

namespace spoken {

QString maskedName(const Level &level)
{
    QStringList words;
    int hidden = 0;
    for (const QString &letter : level.maskedLetters()) {
        if (letter == u".") {
            ++hidden;
            continue;
        }
        if (hidden > 0)
            words << blanks(std::exchange(hidden, 0));
        words << sayLetter(letter);
    }
    if (hidden > 0)
        words << blanks(hidden);
    return words.join(QStringLiteral(", "));
}

QString guess(GuessResult result, const Level &level, Standing standing)
{
    const QString outcome = result == GuessResult::Found ? QCoreApplication::translate("Spoken", "found")
        : result == GuessResult::Missed                  ? QCoreApplication::translate("Spoken", "missed")
                                                         : QCoreApplication::translate("Spoken", "already tried");
    //: "z: missed. A, 2 blanks, a. 2 letters hidden. 9 lives left. Score 1."
    return QCoreApplication::translate("Spoken", "%1: %2. %3. %4")
        .arg(sayLetter(level.triedLetters().last()), outcome, maskedName(level), hiddenAndStanding(level, standing));
}

QString level(const Level &level, const QString &origin, int secondsLeft, Standing standing)
{
    const QString name = maskedName(level), time = seconds(secondsLeft), rest = hiddenAndStanding(level, standing);
    if (origin.isEmpty())
        return QCoreApplication::translate("Spoken", "New name: %1. %2. %3").arg(name, time, rest);
    //: %1: the country, %2: the name as read out, %3: "95 seconds", %4: what is hidden and where the game stands
    return QCoreApplication::translate("Spoken", "New name, from %1: %2. %3. %4").arg(origin, name, time, rest);
}

QString alreadyTried(const QString &letter)
{
    return QCoreApplication::translate("Spoken", "%1: already tried in this level.").arg(sayLetter(letter));
}

QString clockWarning(int secondsLeft, ClockWarning warning)
{
    if (warning == ClockWarning::TimeUp)
        return QCoreApplication::translate("Spoken", "Time is up: a life lost every second until the name is found.");
    return QCoreApplication::translate("Spoken", "Time is running out: %1 left.").arg(seconds(secondsLeft));
}

} // namespace spoken
