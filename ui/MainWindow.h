#pragma once

#include "engine/Game.h"
#include "engine/GameView.h"
#include "ui/GameWidgets.h"

#include <QTimer>
#include <QWidget>

class QDialog;
class ScreenReader;

// The main window: shows the game and passes the player's keys and clicks,
// and the clock's ticks, on to it.
class MainWindow : public QWidget, public GameView {
    Q_OBJECT

public:
    // How long a released Escape waits for the repeated press of a held key.
    static constexpr int kEscapeSettleMs = 60;

    MainWindow(DataFiles files, RandomSource &random, QWidget *parent = nullptr);

    const GameWidgets &widgets() const { return widgets_; }

    // GameView
    void showHighScores(const HighScoreTable &table) override;
    void showLevel(const Level &level, int seconds, Standing standing) override;
    void showGuess(GuessResult result, const Level &level, Standing standing) override;
    void showLives(int lives) override;
    void showScore(int score) override;
    void showClock(int secondsLeft, ClockWarning warning) override;
    void warnOfClock(ClockWarning warning, int secondsLeft) override;
    void startClock() override;
    void stopClock() override;
    void showLetterTried(bool tried) override;
    void clearLetterBox() override;
    void focusLetterBox() override;
    void pause(int milliseconds) override;
    void message(const QString &text, const QString &title) override;
    QString askName(const QString &prompt, const QString &defaultName) override;

signals:
    // The program must end now, with this exit status.
    void ended(int status);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Passes an event on to the game. A file the game cannot use ends the
    // program, after a box that says why.
    template <typename Move>
    void play(Move move);
    // Ends the program; with a reason, after a box that gives it.
    void end(int status, const QString &why = {});
    // Opens a modal box: an Escape pressed before it opened must not end the
    // program when the player releases it to close the box.
    int execModal(QDialog &box);

    GameWidgets widgets_;
    ScreenReader *screenReader_;
    bool translatesOrigins_;
    Game game_;
    bool started_ = false;
    bool ended_ = false;
    bool escapePressedHere_ = false;
    // The letter last said to be tried before, case folded, until the game
    // empties the letter box for the next guess.
    QString triedLetterSaid_;
    QTimer escapeRelease_;
};
