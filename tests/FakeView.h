#pragma once

#include "engine/Game.h"
#include "engine/GameView.h"

#include <QStringList>

#include <functional>
#include <optional>
#include <ostream>

// Readable texts in test failures.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// Records what the game shows, in place of the window, and plays the letter
// box: each change of its text goes to the game, as in the window.
class FakeView : public GameView {
public:
    struct Box {
        bool asksName;
        QString text, title, defaultName;
        bool clockRunning;
    };
    Game *game = nullptr;
    QString maskedName, origin, letterBox, answer; // answer: typed into the next name box
    QStringList tried, table, warnings;            // warnings: "5 running out" and the like, as said
    static constexpr const char *clock[] = {"", " running out", " up"};
    int lives = Game::kStartingLives, score = 0, secondsLeft = Game::kFirstLevelSeconds, focusCount = 0;
    ClockWarning warning = ClockWarning::None;
    std::optional<bool> letterTried; // none until the box's text first changes
    bool clockRunning = false;
    Standing standing; // as told with the last level or guess
    std::vector<Box> boxes;
    std::function<void(const Box &)> whileBoxIsOpen; // runs inside every box and pause

    void showHighScores(const HighScoreTable &table) override
    {
        this->table.clear();
        for (const HighScore &place : table.places())
            this->table << place.name + u'|' + place.scoreText;
    }
    void showLevel(const Level &level, int /*seconds*/, Standing told) override { record(level, told); }
    void showGuess(GuessResult /*result*/, const Level &level, Standing told) override { record(level, told); }
    void showLives(int value) override { lives = value; }
    void showScore(int value) override { score = value; }
    void showClock(int seconds, ClockWarning look) override { secondsLeft = seconds, warning = look; }
    void warnOfClock(ClockWarning look, int seconds) override
    {
        warnings << QString::number(seconds) + clock[int(look)];
    }
    void startClock() override { clockRunning = true; }
    void stopClock() override { clockRunning = false; }
    void showLetterTried(bool value) override { letterTried = value; }
    void clearLetterBox() override { type(QString()); }
    void focusLetterBox() override { ++focusCount; }
    void pause(int milliseconds) override { open({false, QString::number(milliseconds), "pause", {}, false}); }
    void message(const QString &text, const QString &title) override { open({false, text, title, {}, false}); }
    QString askName(const QString &prompt, const QString &defaultName) override
    {
        open({true, prompt, {}, defaultName, false});
        return std::exchange(answer, {});
    }

    // The player (or the game) changes the letter box's text.
    void type(const QString &text) { text != std::exchange(letterBox, text) ? game->letterChanged(text) : void(); }
    // What the player sees at a glance.
    QString seen() const
    {
        return QStringLiteral("%1 [%2] lives %3 score %4 time %5%6, box %7")
            .arg(maskedName, tried.join(u' '))
            .arg(lives)
            .arg(score)
            .arg(secondsLeft)
            .arg(clock[static_cast<int>(warning)])
            .arg(letterTried ? (*letterTried ? "tried" : "new") : "untouched");
    }

private:
    void record(const Level &level, Standing told)
    {
        std::tie(maskedName, origin, tried, standing)
            = std::tuple(level.maskedName(), level.origin(), level.triedLetters(), told);
    }
    void open(Box box)
    {
        box.clockRunning = clockRunning;
        boxes.push_back(box);
        whileBoxIsOpen ? whileBoxIsOpen(box) : void();
    }
};

// Draws the names in a planned order, by their index in the player list; the
// last one repeats.
struct PlannedRandom : RandomSource {
    std::vector<int> picks{0};
    std::size_t next = 0;
    int pick(int count) override
    {
        const int index = picks[std::min(next++, picks.size() - 1)];
        return index < count ? index : throw std::out_of_range("no such player");
    }
};
