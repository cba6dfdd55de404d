#include "engine/Game.h"

#include "engine/TextRules.h"

namespace {

const QString kEmptyAnswer = QStringLiteral("I'm Stupid");

// The high-score file holds one name per line, so a name pasted with line
// breaks keeps its words on one line.
QString oneLine(QString answer)
{
    for (QChar &c : answer) {
        if (c == u'\r' || c == u'\n' || c == QChar(0x2028) || c == QChar(0x2029))
            c = u' ';
    }
    return answer;
}

} // namespace

// The place a final score earns, or 0 for none. Only place 5 decides whether
// there is a place; the search then goes up until it meets a score at least as
// high (the sentinel at entry 0 stops it). Ties go against the new score. An
// unsorted table, edited by hand, is ranked the same way and not re-sorted.
int Game::findPlace(qint16 MyScore) const
{
    const auto score = [this](int entry) { return textToNumber(HighScores[entry].Score); };
    if (score(HighScoreTable::kPlaces) >= MyScore)
        return 0;
    int place = HighScoreTable::kPlaces;
    while (score(place - 1) < MyScore)
        --place;
    return place;
}

void Game::placeScore(int place, qint16 MyScore)
{
    // The places below move down one; the old last place drops out.
    for (int entry = HighScoreTable::kPlaces; entry > place; --entry)
        HighScores[entry] = HighScores[entry - 1];
    HighScores[place].Name = LastHighScoreName;
    HighScores[place].Score = numberText(MyScore);
}

void Game::CheckMyScore(qint16 MyScore)
{
    LoadScores();
    const int place = findPlace(MyScore);
    screen_.setTimerInterval(0);
    if (place == 0) {
        ModalScope waiting(*this);
        screen_.messageBox(
            QStringLiteral("Game Over.. You scored %1\r\nIt was %2").arg(numberText(MyScore), CurrentName), kAppTitle);
    } else {
        QString answer;
        {
            ModalScope waiting(*this);
            answer = screen_.inputBox(QStringLiteral("Congratulations, you're place number %1 with %2 points.\r\n"
                                                     "Last answer was %3")
                                          .arg(QString::number(place), numberText(MyScore), CurrentName),
                                      kAppTitle, LastHighScoreName);
        }
        LastHighScoreName = answer.isEmpty() ? kEmptyAnswer : oneLine(answer);
        placeScore(place, MyScore);
        try {
            SaveScores();
        } catch (const SaveError &error) {
            // The old file is intact; the player keeps playing, but must know
            // the score was not kept.
            ModalScope waiting(*this);
            screen_.messageBox(QString::fromStdString(error.what()), kAppTitle);
        }
        LoadScores();
    }
    CurrentName.clear();
    Form_Activate();
}
