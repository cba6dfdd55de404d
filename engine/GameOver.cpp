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

// The place a final score earns, or 0 for none. Only place 5 decides whether
// there is a place; the search then goes up until it meets a score at least as
// high (the sentinel at entry 0 stops it). Ties go against the new score. An
// unsorted table, edited by hand, is ranked the same way and not re-sorted.
int findPlace(const HighScoreTable &table, qint16 score)
{
    const auto entry = [&table](int index) { return textToNumber(table[index].Score); };
    if (entry(HighScoreTable::kPlaces) >= score)
        return 0;
    int place = HighScoreTable::kPlaces;
    while (entry(place - 1) < score)
        --place;
    return place;
}

} // namespace

bool Game::SaveScores(qint16 MyScore)
{
    return files_.scores.update([&](HighScoreTable &table) {
        const int place = findPlace(table, MyScore);
        if (place == 0)
            return false;
        // The places below move down one; the old last place drops out.
        for (int entry = HighScoreTable::kPlaces; entry > place; --entry)
            table[entry] = table[entry - 1];
        table[place] = {LastHighScoreName, numberText(MyScore)};
        return true;
    });
}

void Game::CheckMyScore(qint16 MyScore)
{
    LoadScores();
    const int place = findPlace(HighScores, MyScore);
    screen_.setTimerInterval(0);
    if (place == 0) {
        message(QStringLiteral("Game Over.. You scored %1\r\nIt was %2").arg(numberText(MyScore), CurrentName));
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
        // The name box may have been open for minutes, and other copies of the
        // game may have placed scores meanwhile: the score is ranked again
        // against the file as it is now.
        try {
            if (!SaveScores(MyScore))
                message(QStringLiteral("Other games took the high-score places meanwhile: %1 points no longer "
                                       "earn a place.")
                            .arg(numberText(MyScore)));
        } catch (const SaveError &error) {
            // The old file is intact; the player keeps playing, but must know
            // the score was not kept.
            message(QString::fromStdString(error.what()));
        }
        LoadScores();
    }
    CurrentName.clear();
    Form_Activate();
}
