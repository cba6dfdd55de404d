#include "GameFixture.h"

#include "data/DataError.h"

#include <QDir>
#include <QFile>

using ::testing::HasSubstr;

namespace {

class GameOverTest : public GameFixture {
protected:
    void SetUp() override
    {
        writePlayers({"Testland:Anna"});
        writeScores({"Ann", "Ben", "Cy", "Di", "Ed"}, {"40", "30", "30", "20", "10"});
        start();
    }
    // Ends the game with this score, as the last life lost would.
    void endWith(qint16 score, const QString &answer = QStringLiteral("Me"))
    {
        screen.answers.push_back(answer);
        screen.boxes.clear();
        game->GetPoints(score - game->gameScore());
        screen.captions[Label::Lives] = QStringLiteral("1");
        game->LoseLife();
    }
    QStringList scoresInFile() const
    {
        return QString::fromUtf8(readFile(QStringLiteral("database/hscores.txt"))).split(QStringLiteral("\r\n"));
    }
};

struct RankCase {
    QStringList scores;
    int myScore;
    int place; // 0: none
    QStringList after;
};

class RankingTest : public GameOverTest, public ::testing::WithParamInterface<RankCase> { };

TEST_P(RankingTest, RanksAsTheTableStandsAndShiftsThePlacesBelow)
{
    const RankCase &c = GetParam();
    writeScores({"A", "B", "C", "D", "E"}, c.scores);
    endWith(static_cast<qint16>(c.myScore), QStringLiteral("New"));
    ASSERT_EQ(screen.boxes.size(), 1u);
    if (c.place == 0) {
        EXPECT_EQ(screen.boxes[0].kind, FakeScreen::Box::Message);
        EXPECT_EQ(screen.boxes[0].text, QStringLiteral("Game Over.. You scored %1\r\nIt was Anna").arg(c.myScore));
    } else {
        EXPECT_EQ(screen.boxes[0].kind, FakeScreen::Box::Input);
        EXPECT_EQ(screen.boxes[0].text,
                  QStringLiteral("Congratulations, you're place number %1 with %2 points.\r\n"
                                 "Last answer was Anna")
                      .arg(c.place)
                      .arg(c.myScore));
    }
    EXPECT_EQ(screen.boxes[0].title, "Nomilo");
    EXPECT_EQ(screen.boxes[0].timerInterval, 0) << "the clock stops before the box opens";
    EXPECT_EQ(screen.highScoreRows(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    PlacesFromTheFile, RankingTest,
    ::testing::Values(RankCase{{"40", "30", "30", "20", "10"}, 30, 4, {"A|40", "B|30", "C|30", "New|30", "D|20"}},
                      RankCase{{"40", "30", "30", "20", "10"}, 10, 0, {"A|40", "B|30", "C|30", "D|20", "E|10"}},
                      RankCase{{"40", "30", "30", "20", "10"}, 20, 5, {"A|40", "B|30", "C|30", "D|20", "New|20"}},
                      RankCase{{"40", "30", "30", "20", "10"}, 41, 1, {"New|41", "A|40", "B|30", "C|30", "D|20"}},
                      RankCase{
                          {"400", "300", "200", "150", "99"}, 100, 5, {"A|400", "B|300", "C|200", "D|150", "New|100"}},
                      RankCase{{"0", "0", "0", "0", "-1"}, 0, 5, {"A|0", "B|0", "C|0", "D|0", "New|0"}},
                      RankCase{{"1", "1", "1", "1", "0"}, 0, 0, {"A|1", "B|1", "C|1", "D|1", "E|0"}},
                      RankCase{{"10", "50", "20", "5", "1"}, 30, 3, {"A|10", "B|50", "New|30", "C|20", "D|5"}},
                      RankCase{{"1", "1", "1", "1", "100"}, 50, 0, {"A|1", "B|1", "C|1", "D|1", "E|100"}}));

TEST_F(GameOverTest, APlacementRewritesTheFileAndStartsANewGame)
{
    endWith(35, QStringLiteral("  Zoe, \"Z\"  "));
    EXPECT_EQ(readFile(QStringLiteral("database/hscores.txt")),
              crlfLines({"Ann", "  Zoe, \"Z\"  ", "Ben", "Cy", "Di", "40", "35", "30", "30", "20"}));
    EXPECT_EQ(screen.lives(), "10");
    EXPECT_EQ(screen.score(), "0");
    EXPECT_EQ(screen.time(), "100");
    EXPECT_EQ(screen.timerInterval, 1000);
    EXPECT_EQ(screen.boxes.size(), 1u) << "no congratulations box when the new game starts";
}

TEST_F(GameOverTest, TheNameBoxOffersTheLastAnswerAndKeepsItAsTyped)
{
    QStringList defaults;
    for (const QString answer : {"First", "", "   ", "Last"}) {
        endWith(50, answer);
        defaults << screen.boxes.back().defaultText;
    }
    EXPECT_EQ(defaults, QStringList({"", "First", "I'm Stupid", "   "}));
    EXPECT_EQ(game->lastHighScoreName(), "Last");
    // Equal scores go below the ones already there.
    EXPECT_EQ(screen.highScoreRows(), QStringList({"First|50", "I'm Stupid|50", "   |50", "Last|50", "Ann|40"}));
}

TEST_F(GameOverTest, APastedLineBreakCannotSplitTheNameAcrossLines)
{
    endWith(50, QStringLiteral("Zoe\r\nX\u2028Y"));
    EXPECT_EQ(screen.highScoreRows().first(), "Zoe  X Y|50");
    EXPECT_EQ(readFile(QStringLiteral("database/hscores.txt")),
              crlfLines({"Zoe  X Y", "Ann", "Ben", "Cy", "Di", "50", "40", "30", "30", "20"}));

    HighScoreTable table = game->highScores();
    table[2].Name = QStringLiteral("two\nlines");
    EXPECT_THROW(writeHighScoreFile(path(QStringLiteral("database/hscores.txt")), table), SaveError);
}

TEST_F(GameOverTest, TheFileIsReadAgainBeforeRanking)
{
    writeScores({"A", "B", "C", "D", "E"}, {"900", "800", "700", "600", "500"});
    endWith(100);
    EXPECT_EQ(screen.boxes[0].kind, FakeScreen::Box::Message);
    EXPECT_EQ(screen.highScoreRows().last(), "E|500");
}

TEST_F(GameOverTest, AMissingFileIsCreatedByTheFirstPlacement)
{
    QFile::remove(path(QStringLiteral("database/hscores.txt")));
    endWith(3, QStringLiteral("Neo"));
    EXPECT_EQ(readFile(QStringLiteral("database/hscores.txt")),
              crlfLines({"Neo", "", "", "", "", "3", "0", "0", "0", "0"}));
}

TEST_F(GameOverTest, AFileDamagedMeanwhileIsAnErrorAndStaysUntouched)
{
    writeScores({"A", "B", "C", "D", "E"}, {"9", "8", "7", "6", "oops"});
    const QByteArray damaged = readFile(QStringLiteral("database/hscores.txt"));
    try {
        endWith(100);
        FAIL() << "a damaged file must not be ranked against";
    } catch (const DataError &error) {
        EXPECT_THAT(error.what(), HasSubstr("hscores.txt, line 10"));
    }
    EXPECT_EQ(readFile(QStringLiteral("database/hscores.txt")), damaged);
    EXPECT_TRUE(screen.boxes.empty());
}

TEST_F(GameOverTest, AFailedSaveTellsThePlayerAndPlayGoesOn)
{
    const QByteArray before = readFile(QStringLiteral("database/hscores.txt"));
    // The disk fills up while the table is written.
    const bool toldAndPlaying = passesWithFileSizeLimit(100, [&] {
        endWith(100, QString(300, u'x'));
        return screen.boxes.size() == 2 && screen.boxes[1].text.contains(QStringLiteral("could not be saved to "))
            && screen.boxes[1].text.contains(path(QStringLiteral("database/hscores.txt"))) && screen.lives() == "10"
            && screen.highScoreRows().first() == "Ann|40";
    });
    EXPECT_TRUE(toldAndPlaying);
    EXPECT_EQ(readFile(QStringLiteral("database/hscores.txt")), before);
}

TEST_F(GameOverTest, TheGuessThatEndsTheGameLeavesNoTrace)
{
    screen.captions[Label::Lives] = QStringLiteral("2");
    guess(QStringLiteral("z"));
    type(QStringLiteral("Z"));
    ASSERT_EQ(screen.textEnterColour, colour::kLightRed);
    guess(QStringLiteral("Z")); // a repeat: the last life
    ASSERT_EQ(screen.boxes.size(), 1u);
    EXPECT_EQ(screen.boxes[0].text, "Game Over.. You scored 0\r\nIt was Anna");
    EXPECT_EQ(screen.entered(), "");
    EXPECT_EQ(game->logSlot(1), "");
    EXPECT_EQ(screen.text, "");
    EXPECT_EQ(screen.textEnterColour, colour::kWhite) << "the new game's empty box is not left red";
    EXPECT_EQ(screen.masked(), "....");
    EXPECT_EQ(screen.lives(), "10");
    EXPECT_EQ(game->currentName(), "Anna");
}

} // namespace
