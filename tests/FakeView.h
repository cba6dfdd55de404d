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
struct FakeView : GameView {
    struct Box {
        bool asksName, clockRunning; // clockRunning: whether the clock ran as it opened
        QString text, title, defaultName;
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
    void warnOfClock(ClockWarning look, int left) override { warnings << QString::number(left) + clock[int(look)]; }
    void startClock() override { clockRunning = true; }
    void stopClock() override { clockRunning = false; }
    void showLetterTried(bool value) override { letterTried = value; }
    void clearLetterBox() override { type(QString()); }
    void focusLetterBox() override { ++focusCount; }
    void pause(int milliseconds) override { open({false, clockRunning, QString::number(milliseconds), "pause", {}}); }
    void message(const QString &text, const QString &title) override { open({false, clockRunning, text, title, {}}); }
    QString askName(const QString &prompt, const QString &defaultName) override
    {
        open({true, clockRunning, prompt, {}, defaultName});
        return std::exchange(answer, {});
    }

    // The player (or the game) changes the letter box's text.
    void type(const QString &text) { text != std::exchange(letterBox, text) ? game->letterChanged(text) : void(); }
    // What the player sees at a glance.
    QString seen() const
    {
        return QString::asprintf("%ls [%ls] lives %d score %d time %d%s, box %s", qUtf16Printable(maskedName),
                                 qUtf16Printable(tried.join(u' ')), lives, score, secondsLeft, clock[int(warning)],
                                 letterTried ? (*letterTried ? "tried" : "new") : "untouched");
    }

private:
    void record(const Level &level, Standing told)
    {
        std::tie(maskedName, origin, tried, standing)
            = std::tuple(level.maskedName(), level.origin(), level.triedLetters(), told);
    }
    void open(const Box &box)
    {
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
