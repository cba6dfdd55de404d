#include "engine/Game.h"

#include <QScopedValueRollback>

#include <algorithm>

namespace {

// The score is kept within 16 bits, as the high-score file has always held it.
constexpr int kHighestScore = 32767;
// The clock warns when this many seconds or fewer are left.
constexpr int kLastSeconds = 5;
// How long a finished name stays on view before its box.
constexpr int kFinishedNameMs = 250;

// The high-score file holds one name per line, so a name pasted with line
// breaks keeps its words on one line.
QString oneLine(QString answer)
{
    for (QChar &c : answer) {
        if (c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return answer;
}

} // namespace

Game::Game(GameView &view, RandomSource &random, DataFiles files)
    : view_(view)
    , random_(random)
    , files_(std::move(files))
{
}

void Game::start()
{
    view_.showHighScores(files_.highScores.read());
    players_ = readPlayerDatabase(files_.playerDatabase, files_.playerDatabaseAdvice);
    lives_ = kStartingLives;
    view_.showLives(lives_);
    score_ = 0;
    view_.showScore(score_);
    levelSeconds_ = kFirstLevelSeconds;
    startLevel();
    view_.clearLetterBox();
}

void Game::startLevel()
{
    level_ = Level(players_.at(static_cast<std::size_t>(random_.pick(static_cast<int>(players_.size())))));
    view_.showLevel(level_, levelSeconds_, {lives_, score_});
    secondsLeft_ = levelSeconds_;
    // The clock keeps the look of its last tick until its next one.
    view_.showClock(secondsLeft_, clockWarning_);
    view_.startClock();
}

bool Game::listening() const
{
    // Not while a box or a pause holds the game (a screen reader may still
    // press the button then), nor before the first game.
    return !waiting_ && !players_.empty();
}

void Game::letterChanged(const QString &text)
{
    if (!listening())
        return;
    // A lone space is no guess: it is taken out at once (which is a change
    // of its own).
    if (text == u" ") {
        view_.clearLetterBox();
        return;
    }
    view_.showLetterTried(level_.wasTried(text));
}

void Game::guess(const QString &letter)
{
    if (!listening())
        return;
    if (letter.isEmpty()) {
        view_.focusLetterBox();
        return;
    }
    const GuessResult result = level_.guess(letter);
    if (result == GuessResult::Found) {
        addPoints(kPointsPerLetter);
    } else if (!loseLife()) {
        // The guess ends with the game: the new one starts clean.
        endGame();
        start();
        view_.focusLetterBox();
        return;
    }
    view_.showGuess(result, level_, {lives_, score_});
    view_.clearLetterBox();
    view_.focusLetterBox();
    if (level_.isComplete())
        finishLevel();
}

void Game::tick()
{
    if (!listening())
        return;
    --secondsLeft_;
    const ClockWarning before
        = std::exchange(clockWarning_, secondsLeft_ > kLastSeconds ? ClockWarning::None : ClockWarning::LastSeconds);
    if (secondsLeft_ < 1) {
        secondsLeft_ = 0;
        clockWarning_ = ClockWarning::TimeUp;
    }
    view_.showClock(secondsLeft_, clockWarning_);
    if (clockWarning_ != before && clockWarning_ != ClockWarning::None)
        view_.warnOfClock(clockWarning_, secondsLeft_);
    if (clockWarning_ == ClockWarning::TimeUp && !loseLife()) {
        endGame();
        start();
    }
}

void Game::finishLevel()
{
    {
        const QScopedValueRollback<bool> waiting(waiting_, true);
        view_.pause(kFinishedNameMs);
    }
    message(level_.name(), tr("Congratulations!!!"));
    // The reward comes with the next level, after the box.
    addPoints(kLevelBonusPoints);
    lives_ += kLevelBonusLives;
    view_.showLives(lives_);
    levelSeconds_ = std::max(levelSeconds_ - kSecondsCutPerLevel, kShortestLevelSeconds);
    startLevel();
}

void Game::addPoints(int points)
{
    score_ = std::min(score_ + points, kHighestScore);
    view_.showScore(score_);
}

bool Game::loseLife()
{
    --lives_;
    view_.showLives(lives_);
    return lives_ > 0;
}

void Game::endGame()
{
    view_.stopClock();
    // Other copies of the game may have placed scores since this game began.
    const HighScoreTable table = files_.highScores.read();
    view_.showHighScores(table);
    const std::optional<int> place = table.placeFor(score_);
    if (!place) {
        message(tr("Game Over.. You scored %n\nIt was %1", nullptr, score_).arg(level_.name()));
        return;
    }
    //: %2: a number of points, such as "5 points"
    const QString answer = askName(tr("Congratulations, you're place number %1 with %2.\nLast answer was %3")
                                       .arg(*place)
                                       .arg(points(score_), level_.name()));
    //: The name kept for a player who gave none: a joke at their expense.
    lastName_ = answer.isEmpty() ? tr("I'm Stupid") : oneLine(answer);
    // The name box may have been open for minutes: the score is ranked again
    // against the file as it stands when it is saved.
    try {
        const std::optional<int> taken = files_.highScores.place(lastName_, score_);
        if (!taken) {
            message(tr("Other games took the high-score places meanwhile: %n points no longer earn a place.", nullptr,
                       score_));
        } else if (*taken != *place) {
            //: %1: a number of points, such as "5 points"
            message(
                tr("The high-score table changed meanwhile: %1 took place number %2.").arg(points(score_)).arg(*taken));
        }
    } catch (const SaveError &error) {
        // The old file is intact; the player plays on, but must know the
        // score was not kept.
        message(QString::fromUtf8(error.what()));
    }
}

QString Game::points(int score)
{
    //: Within a sentence of the boxes at the end of a game
    return tr("%n points", "in a box", score);
}

QString Game::askName(const QString &prompt)
{
    const QScopedValueRollback<bool> waiting(waiting_, true);
    return view_.askName(prompt, lastName_);
}

void Game::message(const QString &text, const QString &title)
{
    const QScopedValueRollback<bool> waiting(waiting_, true);
    view_.message(text, title);
}
