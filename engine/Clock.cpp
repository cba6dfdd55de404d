#include "engine/Game.h"

void Game::Timer1_Timer()
{
    if (waitingForPlayer())
        return;
    addToCaption(Label::Time, -1);
    screen_.setBackColor(Painted::LabelTime, captionNumber(Label::Time) >= 6 ? colour::kLightGrey : colour::kLightRed);
    if (captionNumber(Label::Time) < 1) {
        screen_.setCaption(Label::Time, QStringLiteral("0"));
        screen_.setBackColor(Painted::LabelTime, colour::kRed);
        LoseLife();
    }
}
