#include "GameFixture.h"

#include "data/DataError.h"

#include <QFile>
#include <QSet>

using ::testing::HasSubstr;

namespace {

class LevelSetupTest : public GameFixture {
protected:
    void SetUp() override
    {
        writePlayers({"Everland:Anne-Marie O'Hara", "Northland:Anna", "Southland:Bo Li"});
        writeScores({"Ann", "Ben", "Cy", "Di", "Ed"}, {"40", "30", "20", "10", "5"});
    }
};

TEST_F(LevelSetupTest, ANewGameShowsTheTableAMaskedNameAndFreshCounters)
{
    start({0.0});
    EXPECT_EQ(screen.highScoreRows(), QStringList({"Ann|40", "Ben|30", "Cy|20", "Di|10", "Ed|5"}));
    EXPECT_EQ(game->currentName(), "Anne-Marie O'Hara");
    EXPECT_EQ(screen.masked(), "....-..... .'....");
    EXPECT_EQ(screen.caption(Label::NameFrom), "This player is from Everland");
    EXPECT_EQ(screen.time(), "100");
    EXPECT_EQ(screen.lives(), "10");
    EXPECT_EQ(screen.score(), "0");
    EXPECT_EQ(screen.entered(), "");
    EXPECT_EQ(screen.timerInterval, 1000);
    EXPECT_TRUE(screen.boxes.empty()) << "no congratulations at a game start";
    EXPECT_EQ(screen.textEnterColour, 0xC0C0C0u) << "an empty box is not changed, so it stays grey";
}

TEST_F(LevelSetupTest, TheRandomPickCoversEveryFilledSlotAndNeverAnEmptyOne)
{
    start({0.0, 0.34, 0.67, 0.9999999999});
    QStringList picked{game->currentName()};
    for (int level = 0; level < 3; ++level) {
        game->NextLevel();
        picked << game->currentName();
    }
    EXPECT_EQ(picked, QStringList({"Anne-Marie O'Hara", "Anna", "Bo Li", "Bo Li"}));
    EXPECT_EQ(random.randomizeCount, 4) << "reseeded for every level";
}

TEST_F(LevelSetupTest, TheClockSeededSourcePicksEveryNameInTime)
{
    ClockRandom clockRandom;
    Game clockGame(screen, clockRandom, dir.path());
    clockGame.Form_Activate();
    QSet<QString> picked;
    for (int level = 0; level < 300; ++level) {
        clockGame.NextLevel();
        picked.insert(clockGame.currentName());
    }
    EXPECT_EQ(picked, QSet<QString>({"Anne-Marie O'Hara", "Anna", "Bo Li"}));
    for (int i = 0; i < 10000; ++i) {
        const double value = clockRandom.Rnd();
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 1.0);
    }
}

TEST_F(LevelSetupTest, LevelsLoseFiveSecondsDownToTwentyFive)
{
    start();
    QStringList times{screen.time()};
    for (int level = 2; level <= 20; ++level) {
        game->NextLevel();
        times << screen.time();
    }
    EXPECT_EQ(times.join(u' '), "100 95 90 85 80 75 70 65 60 55 50 45 40 35 30 25 25 25 25 25");
}

TEST_F(LevelSetupTest, NextLevelCongratulatesWithTheFinishedNameAndClearsTheLevel)
{
    start({0.5});
    guess(QStringLiteral("z"));
    ASSERT_EQ(screen.entered(), "z,");
    game->NextLevel();
    ASSERT_EQ(screen.boxes.size(), 1u);
    EXPECT_EQ(screen.boxes[0].text, "Anna");
    EXPECT_EQ(screen.boxes[0].title, "Congratulations!!!");
    EXPECT_EQ(screen.entered(), "");
    EXPECT_EQ(game->logSlot(1), "");
}

TEST_F(LevelSetupTest, StartingWithoutUsableFilesIsAClearError)
{
    QFile::remove(path(QStringLiteral("database/data.txt")));
    try {
        start();
        FAIL() << "no game can start without players";
    } catch (const DataError &error) {
        EXPECT_THAT(error.what(), HasSubstr(path(QStringLiteral("database/data.txt")).toStdString()));
    }

    // The high scores are read first: with both files broken, they are named.
    writeFile(QStringLiteral("database/hscores.txt"), "only\r\nthree\r\nlines\r\n");
    try {
        start();
        FAIL() << "a damaged high-score file must stop the game";
    } catch (const DataError &error) {
        EXPECT_THAT(error.what(), HasSubstr("hscores.txt, line 4"));
    }
    EXPECT_EQ(readFile(QStringLiteral("database/hscores.txt")), "only\r\nthree\r\nlines\r\n");
}

TEST_F(LevelSetupTest, AFirstRunWithoutHighScoreFileStartsWithAnEmptyTable)
{
    QFile::remove(path(QStringLiteral("database/hscores.txt")));
    start();
    EXPECT_EQ(screen.highScoreRows(), QStringList({"|0", "|0", "|0", "|0", "|0"}));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("database/hscores.txt"))));
}

} // namespace
