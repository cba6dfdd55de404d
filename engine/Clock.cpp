#include "engine/Game.h"

void Game::Timer1_Timer()
{
    if (waitingForPlayer())
        return;
    const double secondsLeft = addToCaption(Label::Time, -1);
    screen_.setBackColor(Painted::LabelTime, secondsLeft >= 6 ? colour::kLightGrey : colour::kLightRed);
    if (secondsLeft < 1) {
        screen_.setCaption(Label::Time, QStringLiteral("0"));
        screen_.setBackColor(Painted::LabelTime, colour::kRed);
        LoseLife();
    }
}
