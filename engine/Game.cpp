#include "engine/Game.h"

#include "engine/TextRules.h"

Game::Game(GameScreen &screen, RandomSource &random, DataFiles files)
    : screen_(screen)
    , random_(random)
    , files_(std::move(files))
{
}

void Game::message(const QString &text, const QString &title)
{
    ModalScope waiting(*this);
    screen_.messageBox(text, title);
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
