#pragma once

#include "data/DataFiles.h"
#include "data/HighScores.h"
#include "data/PlayerDatabase.h"
#include "engine/GameScreen.h"
#include "engine/RandomSource.h"

#include <QString>

#include <vector>

// The game: its state and rules. It shows everything through a GameScreen and
// is driven by the window's events: the start of the window (Form_Activate),
// the "Enter letter" button (CheckLetter_Click), a change of the letter box
// (TextEnter_Change) and the one-second clock (Timer1_Timer).
class Game {
public:
    static inline const QString kAppTitle = QStringLiteral("Nomilo");
    static constexpr int kLogSlots = 1000;

    Game(GameScreen &screen, RandomSource &random, DataFiles files);

    // Level setup
    void Form_Activate();
    void NextLevel();

    // Letter guessing
    void CheckLetter_Click();
    void TextEnter_Change();
    int CheckLog(const QString &LetterIs) const;

    // Points, lives and level completion
    void GetPoints(int NewPoints);
    void LoseLife();
    void CheckWin();

    // Countdown clock
    void Timer1_Timer();

    // Game over and high-score placement
    void CheckMyScore(qint16 MyScore);

    // Data files
    void LoadPlayers();
    void LoadScores();
    // Enters the score into the high-score file as the file stands now;
    // false when it no longer earns a place there.
    bool SaveScores(qint16 MyScore);

    // State, read by tests and benchmarks.
    const QString &currentName() const { return CurrentName; }
    const QString &hiddenName() const { return HiddenName; }
    const QString &currentFrom() const { return CurrentFrom; }
    const QString &logSlot(int slot) const { return LettersLog.at(static_cast<std::size_t>(slot)); }
    qint16 gameScore() const { return GameScore; }
    qint16 levelTime() const { return LevelTime; }
    const QString &lastHighScoreName() const { return LastHighScoreName; }
    const HighScoreTable &highScores() const { return HighScores; }
    const PlayerList &players() const { return Players; }

private:
    // While a box is open or the game pauses, the clock must not tick into
    // the rules: the player would lose lives while made to wait.
    class ModalScope;
    bool waitingForPlayer() const { return modalDepth_ > 0; }

    void message(const QString &text, const QString &title = kAppTitle);
    void setEnterText(const QString &text);
    double captionNumber(Label label) const;
    // The caption's number plus amount, written back; returns the new number.
    double addToCaption(Label label, double amount);
    void logLetter(const QString &letter);

    GameScreen &screen_;
    RandomSource &random_;
    DataFiles files_;
    int modalDepth_ = 0;

    PlayerList Players;
    HighScoreTable HighScores;
    QString CurrentName;
    QString HiddenName;
    QString CurrentFrom;
    std::vector<QString> LettersLog = std::vector<QString>(kLogSlots + 1);
    qint16 GameScore = 0;
    qint16 LevelTime = 0;
    QString LastHighScoreName;
};

class Game::ModalScope {
public:
    explicit ModalScope(Game &game)
        : game_(game)
    {
        ++game_.modalDepth_;
    }
    ~ModalScope() { --game_.modalDepth_; }
    ModalScope(const ModalScope &) = delete;
    ModalScope &operator=(const ModalScope &) = delete;

private:
    Game &game_;
};
