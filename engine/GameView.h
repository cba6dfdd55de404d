#pragma once

#include "data/HighScoreTable.h"
#include "engine/Level.h"

#include <QString>

// How the clock should look: the time is running, running out (the last
// seconds), or up (a life lost every second until the name is finished).
enum class ClockWarning { None, LastSeconds, TimeUp };

// The player's counts, told with each report a screen reader speaks.
struct Standing {
    int lives = 0;
    int score = 0;
};

// What the game shows and asks, in its own terms. The main window shows it
// with widgets; the tests record it. The game calls; nothing is read back.
class GameView {
public:
    // The clock ticks this often once started.
    static constexpr int kTickMilliseconds = 1000;

    virtual ~GameView() = default;

    virtual void showHighScores(const HighScoreTable &table) = 0;
    // A new level: its masked name, its origin, no letters tried yet, and
    // the seconds it gives.
    virtual void showLevel(const Level &level, int seconds, Standing standing) = 0;
    // The level after a guess (the last letter tried): its masked name and
    // the letters tried.
    virtual void showGuess(GuessResult result, const Level &level, Standing standing) = 0;
    virtual void showLives(int lives) = 0;
    virtual void showScore(int score) = 0;
    virtual void showClock(int secondsLeft, ClockWarning warning) = 0;
    // The clock has just begun to warn (the last seconds, or the time up):
    // said once, not every second.
    virtual void warnOfClock(ClockWarning warning, int secondsLeft) = 0;
    // Starts the ticks, or restarts their period.
    virtual void startClock() = 0;
    virtual void stopClock() = 0;

    // Whether the letter in the letter box was tried before in this level.
    virtual void showLetterTried(bool tried) = 0;
    // Empties the letter box. Like every change of its text, this reaches the
    // game as Game::letterChanged.
    virtual void clearLetterBox() = 0;
    virtual void focusLetterBox() = 0;

    // Shows the window as it is now, then waits without handling any event.
    virtual void pause(int milliseconds) = 0;
    // Modal boxes; an empty title is the application's name.
    virtual void message(const QString &text, const QString &title) = 0;
    // The name typed, or "" when the box is cancelled.
    virtual QString askName(const QString &prompt, const QString &defaultName) = 0;
};
