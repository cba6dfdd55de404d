#include "GameFixture.h"

namespace {

class GuessingTest : public GameFixture {
protected:
    void SetUp() override { writeScores({"Ann", "Ben", "Cy", "Di", "Ed"}, {"40", "30", "20", "10", "5"}); }
    void play(const QString &name)
    {
        writePlayers({QStringLiteral("Testland:") + name});
        start();
    }
};

TEST_F(GuessingTest, TheAnnaStoryScoresNewLettersOnceAndChargesForRepeats)
{
    play(QStringLiteral("Anna"));
    ASSERT_EQ(screen.masked(), "....");

    const int focusBefore = screen.focusCount;
    guess(QStringLiteral("a"));
    EXPECT_EQ(screen.focusCount, focusBefore + 1) << "the box gets the focus back for the next letter";
    EXPECT_EQ(screen.masked(), "A..a") << "revealed in the stored case";
    EXPECT_EQ(screen.score(), "1") << "one point however many positions";
    EXPECT_EQ(screen.lives(), "10");
    EXPECT_EQ(screen.entered(), "a,");
    EXPECT_EQ(game->logSlot(1), "a");
    EXPECT_EQ(screen.text, "");
    EXPECT_EQ(screen.textEnterColour, colour::kWhite);

    type(QStringLiteral("A"));
    EXPECT_EQ(screen.textEnterColour, colour::kLightRed) << "already entered, in either case";
    type(QString());
    EXPECT_EQ(screen.textEnterColour, colour::kWhite);

    guess(QStringLiteral("A"));
    EXPECT_EQ(screen.lives(), "9") << "a repeated letter costs a life though it is in the name";
    EXPECT_EQ(screen.score(), "1");
    EXPECT_EQ(screen.entered(), "a,A,");
    EXPECT_EQ(game->logSlot(2), "a");

    QStringList seenInBoxes;
    screen.whileBoxIsOpen = [&] {
        seenInBoxes << screen.masked() + u' ' + screen.score() + u' ' + screen.lives() + u' ' + screen.time();
    };
    guess(QStringLiteral("N"));
    EXPECT_EQ(seenInBoxes, QStringList({"Anna 2 9 100", "Anna 2 9 100"}))
        << "the full name shows through the pause and the box; the reward comes after";
    // The level is complete: +1 for N, then the box, the next level, +2 and +2.
    ASSERT_EQ(screen.boxes.size(), 1u);
    EXPECT_EQ(screen.boxes[0].title, "Congratulations!!!");
    EXPECT_EQ(screen.boxes[0].text, "Anna");
    EXPECT_EQ(screen.pauses, std::vector<int>({250}));
    EXPECT_EQ(screen.score(), "4");
    EXPECT_EQ(screen.lives(), "11") << "two lives added to the nine left";
    EXPECT_EQ(screen.masked(), "....") << "the next name is shown masked";
    EXPECT_EQ(screen.entered(), "");
    EXPECT_EQ(screen.time(), "95");
    EXPECT_EQ(game->logSlot(1), "");
}

TEST_F(GuessingTest, MissesEmptyGuessesAndSpacesChangeOnlyWhatTheyShould)
{
    play(QStringLiteral("Bo Li"));
    guess(QStringLiteral("x"));
    EXPECT_EQ(screen.lives(), "9");
    EXPECT_EQ(screen.entered(), "x,") << "a miss is listed and logged like a hit";
    EXPECT_EQ(game->logSlot(1), "x");

    const int focusBefore = screen.focusCount;
    guess(QString());
    EXPECT_EQ(screen.lives(), "9");
    EXPECT_EQ(screen.entered(), "x,");
    EXPECT_EQ(game->logSlot(2), "");
    EXPECT_EQ(screen.focusCount, focusBefore + 1) << "an empty guess only refocuses the box";

    type(QStringLiteral(" "));
    EXPECT_EQ(screen.text, "") << "a lone space is removed at once";
    EXPECT_EQ(screen.textEnterColour, colour::kWhite);
}

TEST_F(GuessingTest, AVisibleHyphenScoresOnceThenCostsALife)
{
    play(QStringLiteral("Jo-Jo"));
    ASSERT_EQ(screen.masked(), "..-..");
    guess(QStringLiteral("-"));
    EXPECT_EQ(screen.score(), "1");
    EXPECT_EQ(screen.masked(), "..-..");
    guess(QStringLiteral("-"));
    EXPECT_EQ(screen.lives(), "9");
}

TEST_F(GuessingTest, AFullLogStillJudgesAndListsButForgets)
{
    play(QStringLiteral("Zed"));
    screen.captions[Label::Lives] = QStringLiteral("5000"); // enough to fill the log
    for (int i = 0; i < 1000; ++i)
        guess(QStringLiteral("q"));
    ASSERT_EQ(game->logSlot(1000), "q");
    const QString livesBefore = screen.lives();
    const QString scoreBefore = screen.score();
    guess(QStringLiteral("z"));
    guess(QStringLiteral("z"));
    EXPECT_EQ(screen.score().toInt(), scoreBefore.toInt() + 2) << "z is never logged, so it is new every time";
    EXPECT_EQ(screen.lives(), livesBefore);
    EXPECT_TRUE(screen.entered().endsWith(QStringLiteral("q,z,z,")));
}

TEST_F(GuessingTest, TheScoreStopsAtItsLimitInsteadOfWrapping)
{
    play(QStringLiteral("Anna"));
    game->GetPoints(32766);
    game->GetPoints(1);
    game->GetPoints(2);
    EXPECT_EQ(screen.score(), "32767");
    EXPECT_EQ(game->gameScore(), 32767);
}

TEST_F(GuessingTest, ANameCompletedOnZeroShowsTheNewTimeOnRedUntilTheNextTick)
{
    play(QStringLiteral("Al"));
    ticks(100);
    ASSERT_EQ(screen.time(), "0");
    ASSERT_EQ(screen.labelTimeColour, colour::kRed);
    ASSERT_EQ(screen.lives(), "9");
    guess(QStringLiteral("a"));
    guess(QStringLiteral("l"));
    EXPECT_EQ(screen.time(), "95");
    EXPECT_EQ(screen.labelTimeColour, colour::kRed);
    EXPECT_EQ(screen.lives(), "11");
    ticks(1);
    EXPECT_EQ(screen.time(), "94");
    EXPECT_EQ(screen.labelTimeColour, colour::kLightGrey);
}

} // namespace
