#include "engine/Game.h"

#include "engine/TextRules.h"

#include <algorithm>

namespace {

constexpr qint16 kStartTime = 105; // the first level takes 5 off: 100 seconds
constexpr qint16 kShortestLevel = 25;
constexpr qint16 kTimeCutPerLevel = 5;
constexpr int kTickMilliseconds = 1000;

// Spaces, hyphens and apostrophes are shown from the start; every other
// character is hidden as ".".
QString masked(const QString &name)
{
    QString hidden = name;
    for (QChar &c : hidden) {
        if (c != u' ' && c != u'-' && c != u'\'')
            c = u'.';
    }
    return hidden;
}

} // namespace

void Game::Form_Activate()
{
    LoadScores();
    LoadPlayers();
    LevelTime = kStartTime;
    NextLevel();
    screen_.setCaption(Label::Lives, QStringLiteral("10"));
    GameScore = 0;
    screen_.setCaption(Label::Score, numberText(GameScore));
    setEnterText(QString());
}

void Game::NextLevel()
{
    if (!CurrentName.isEmpty())
        message(CurrentName, QStringLiteral("Congratulations!!!"));

    const int filled = Players.count();
    random_.Randomize();
    // Computed in double precision so the product never rounds up to the
    // first empty slot.
    const int k = std::min(static_cast<int>(filled * random_.Rnd()) + 1, std::max(filled, 1));
    // An empty list gives slot 1, which is empty too: an empty name.
    CurrentName = k <= filled ? Players.PlayerNames[k] : QString();
    CurrentFrom = k <= filled ? Players.PlayerFrom[k] : QString();
    HiddenName = masked(CurrentName);

    screen_.setCaption(Label::NameHiden, HiddenName);
    screen_.setCaption(Label::NameFrom, QStringLiteral("This player is from ") + CurrentFrom);
    screen_.setCaption(Label::Entered, QString());
    std::fill(LettersLog.begin() + 1, LettersLog.end(), QString());

    if (LevelTime > kShortestLevel)
        LevelTime = static_cast<qint16>(LevelTime - kTimeCutPerLevel);
    screen_.setCaption(Label::Time, numberText(LevelTime));
    screen_.setTimerInterval(kTickMilliseconds);
}
