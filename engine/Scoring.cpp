#include "engine/Game.h"

#include "engine/TextRules.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int kLevelBonusPoints = 2;
constexpr double kLevelBonusLives = 2;
constexpr int kFullNamePauseMs = 250;

} // namespace

void Game::GetPoints(int NewPoints)
{
    // The score is a 16-bit number; at its top it stays there rather than
    // wrap to a negative score.
    GameScore = static_cast<qint16>(std::min<int>(GameScore + NewPoints, std::numeric_limits<qint16>::max()));
    screen_.setCaption(Label::Score, numberText(GameScore));
}

void Game::LoseLife()
{
    if (addToCaption(Label::Lives, -1) < 1)
        CheckMyScore(GameScore);
}

void Game::CheckWin()
{
    if (CurrentName != HiddenName)
        return;
    screen_.setCaption(Label::NameHiden, CurrentName);
    {
        ModalScope waiting(*this);
        screen_.pause(kFullNamePauseMs);
    }
    NextLevel();
    GetPoints(kLevelBonusPoints);
    addToCaption(Label::Lives, kLevelBonusLives);
}
