#include "engine/Game.h"

#include "engine/TextRules.h"

#include <algorithm>

void Game::CheckLetter_Click()
{
    if (screen_.enterText().isEmpty()) {
        screen_.focusEnterText();
        return;
    }

    // The letter is judged before it is logged: a new letter scores once,
    // however often it occurs; a repeated one costs a life even when it
    // reveals something.
    const QString letter = lcase(screen_.enterText());
    const bool isNew = CheckLog(letter) == 1;
    bool found = false;
    for (qsizetype p = 0; p < CurrentName.size(); ++p) {
        if (lcase(CurrentName.at(p)) == letter) {
            HiddenName[p] = CurrentName.at(p);
            found = true;
        }
    }
    if (isNew && found)
        GetPoints(1);
    else
        LoseLife();

    // If that cost the last life, a new game has started meanwhile and the
    // box is empty: nothing of this guess reaches the new game.
    const QString typed = screen_.enterText();
    if (!typed.isEmpty())
        screen_.setCaption(Label::Entered, screen_.caption(Label::Entered) + typed + u',');
    logLetter(lcase(typed));
    setEnterText(QString());
    screen_.setCaption(Label::NameHiden, HiddenName);
    screen_.focusEnterText();
    CheckWin();
}

void Game::logLetter(const QString &letter)
{
    // A full log drops further letters; they are still listed in Entered.
    const auto freeSlot = std::find(LettersLog.begin() + 1, LettersLog.end(), QString());
    if (freeSlot != LettersLog.end())
        *freeSlot = letter;
}

int Game::CheckLog(const QString &LetterIs) const
{
    const bool logged
        = !LetterIs.isEmpty() && std::find(LettersLog.begin() + 1, LettersLog.end(), LetterIs) != LettersLog.end();
    return logged ? 0 : 1;
}

void Game::TextEnter_Change()
{
    // A lone space is no guess: it is removed at once (which raises this
    // handler again, nested, for the now empty box).
    if (screen_.enterText() == QStringLiteral(" "))
        setEnterText(QString());

    const QString letter = lcase(screen_.enterText());
    const bool repeated
        = !letter.isEmpty() && std::find(LettersLog.begin() + 1, LettersLog.end(), letter) != LettersLog.end();
    screen_.setBackColor(Painted::TextEnter, repeated ? colour::kLightRed : colour::kWhite);
}
