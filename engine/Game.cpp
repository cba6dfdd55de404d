#include "engine/Game.h"

#include "engine/TextRules.h"

Game::Game(GameScreen &screen, RandomSource &random, QString appPath)
    : screen_(screen)
    , random_(random)
    , appPath_(std::move(appPath))
{
}

void Game::setEnterText(const QString &text)
{
    if (screen_.enterText() == text)
        return;
    screen_.setEnterText(text);
    TextEnter_Change();
}

double Game::captionNumber(Label label) const
{
    return textToNumber(screen_.caption(label));
}

double Game::addToCaption(Label label, double amount)
{
    const double value = captionNumber(label) + amount;
    screen_.setCaption(label, numberText(value));
    return value;
}
