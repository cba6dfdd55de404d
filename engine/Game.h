#pragma once

#include "data/DataFiles.h"
#include "data/PlayerDatabase.h"
#include "engine/GameView.h"
#include "engine/Level.h"
#include "engine/RandomSource.h"

#include <QCoreApplication>
#include <QString>

// The game: its rules and state. The window starts it and passes on the
// player's moves and the clock's ticks; the game shows everything through
// its GameView.
class Game {
    Q_DECLARE_TR_FUNCTIONS(Game)

public:
    // The rules, each written here alone: the window's rules box tells them.
    static constexpr int kStartingLives = 10;
    static constexpr int kFirstLevelSeconds = 100;
    static constexpr int kShortestLevelSeconds = 25;
    static constexpr int kSecondsCutPerLevel = 5;
    static constexpr int kPointsPerLetter = 1;
    static constexpr int kLevelBonusPoints = 2;
    static constexpr int kLevelBonusLives = 2;

    Game(GameView &view, RandomSource &random, DataFiles files);

    // A new game: reads the high scores and the player database again.
    // Throws DataError when a file cannot be used.
    void start();
    // The letter box now holds this text.
    void letterChanged(const QString &text);
    // The player enters the letter in the letter box.
    void guess(const QString &letter);
    // One second has passed.
    void tick();

private:
    bool listening() const;
    void startLevel();
    void finishLevel();
    void addPoints(int points);
    // Takes a life; false when that was the last one.
    bool loseLife();
    // Ranks the final score and, when it earns a place, asks for the name and
    // saves it.
    void endGame();
    // "5 points", within a box's sentence.
    static QString points(int score);
    QString askName(const QString &prompt);
    void message(const QString &text, const QString &title = {});

    GameView &view_;
    RandomSource &random_;
    DataFiles files_;
    // While a box is open or the game pauses, nothing may reach the rules:
    // the clock would take lives from a player made to wait.
    bool waiting_ = false;

    PlayerList players_;
    Level level_;
    int lives_ = kStartingLives;
    int score_ = 0;
    int levelSeconds_ = kFirstLevelSeconds;
    int secondsLeft_ = kFirstLevelSeconds;
    ClockWarning clockWarning_ = ClockWarning::None;
    // The name given at the last placement, offered at the next one.
    QString lastName_;
};
