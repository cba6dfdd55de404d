// The rules of play on a recording screen: a new game, whole guesses and
// levels, and the clock.

#include "GameFixture.h"

#include <QSet>

namespace {

class RulesTest : public GameFixture {
protected:
    void SetUp() override { writeScores({"Ann", "Ben", "Cy", "Di", "Ed"}, {"40", "30", "20", "10", "5"}); }
    void play(const QString &name)
    {
        writePlayers({QStringLiteral("Testland:") + name});
        start();
    }
    QString clock() const
    {
        const char *look = screen.labelTimeColour == colour::kLightGrey ? "grey"
            : screen.labelTimeColour == colour::kLightRed               ? "light red"
            : screen.labelTimeColour == colour::kRed                    ? "red"
                                                                        : "?";
        return screen.time() + QStringLiteral(" on ") + QString::fromLatin1(look);
    }
};

TEST_F(RulesTest, ANewGameShowsTheTableAMaskedNameAndFreshCounters)
{
    writePlayers({"Everland:Anne-Marie O'Hara", "Northland:Anna", "Southland:Bo Li"});
    start({0.0, 0.34, 0.67, 0.9999999999});
    EXPECT_EQ(screen.highScoreRows(), QStringList({"Ann|40", "Ben|30", "Cy|20", "Di|10", "Ed|5"}));
    EXPECT_EQ(screen.masked(), "....-..... .'....") << "spaces, hyphens and apostrophes show";
    EXPECT_EQ(screen.caption(Label::NameFrom), "This player is from Everland");
    EXPECT_EQ(screen.time() + u' ' + screen.lives() + u' ' + screen.score(), "100 10 0");
    EXPECT_EQ(screen.timerInterval, 1000);
    EXPECT_TRUE(screen.boxes.empty()) << "no congratulations at a game start";
    EXPECT_EQ(screen.textEnterColour, 0xC0C0C0u) << "the empty box is not changed, so it stays grey";

    // Every filled slot can be drawn, and no empty one; each level reseeds,
    // and has five seconds less, down to 25.
    QStringList picked{game->currentName()};
    QStringList times{screen.time()};
    for (int level = 2; level <= 18; ++level) {
        game->NextLevel();
        picked << game->currentName();
        times << screen.time();
    }
    EXPECT_EQ(picked.mid(0, 4), QStringList({"Anne-Marie O'Hara", "Anna", "Bo Li", "Bo Li"}));
    EXPECT_EQ(random.randomizeCount, 18);
    EXPECT_EQ(times.join(u' '), "100 95 90 85 80 75 70 65 60 55 50 45 40 35 30 25 25 25");

    ClockRandom clockRandom;
    Game clockGame(screen, clockRandom, files());
    clockGame.Form_Activate();
    QSet<QString> drawn;
    for (int level = 0; level < 200; ++level) {
        clockGame.NextLevel();
        drawn.insert(clockGame.currentName());
    }
    EXPECT_EQ(drawn.size(), 3) << "the clock-seeded source reaches every name";
}

TEST_F(RulesTest, TheAnnaStoryScoresNewLettersOnceAndChargesForRepeats)
{
    play(QStringLiteral("Anna"));
    const int focusBefore = screen.focusCount;
    guess(QStringLiteral("a"));
    EXPECT_EQ(screen.focusCount, focusBefore + 1) << "the box gets the focus back for the next letter";
    EXPECT_EQ(screen.masked(), "A..a") << "revealed in the stored case";
    EXPECT_EQ(screen.score() + u' ' + screen.lives(), "1 10") << "one point however many positions";
    EXPECT_EQ(screen.entered(), "a,");
    EXPECT_EQ(screen.text, "");
    EXPECT_EQ(screen.textEnterColour, colour::kWhite);

    type(QStringLiteral("A"));
    EXPECT_EQ(screen.textEnterColour, colour::kLightRed) << "already entered, in either case";
    type(QString());
    EXPECT_EQ(screen.textEnterColour, colour::kWhite);

    guess(QStringLiteral("A"));
    EXPECT_EQ(screen.score() + u' ' + screen.lives(), "1 9") << "a repeat costs a life though it is in the name";
    EXPECT_EQ(screen.entered(), "a,A,");

    QStringList seenInBoxes;
    screen.whileBoxIsOpen = [&] {
        seenInBoxes << screen.masked() + u' ' + screen.score() + u' ' + screen.lives() + u' ' + screen.time();
    };
    guess(QStringLiteral("N"));
    EXPECT_EQ(seenInBoxes, QStringList({"Anna 2 9 100", "Anna 2 9 100"}))
        << "the full name shows through the pause and the box; the reward comes after";
    ASSERT_EQ(screen.boxes.size(), 1u);
    EXPECT_EQ(screen.boxes[0].title + u' ' + screen.boxes[0].text, "Congratulations!!! Anna");
    EXPECT_EQ(screen.pauses, std::vector<int>({250}));
    EXPECT_EQ(screen.score() + u' ' + screen.lives(), "4 11") << "+2 points and +2 lives after the box";
    EXPECT_EQ(screen.masked() + u' ' + screen.time(), ".... 95") << "the next level";
    EXPECT_EQ(screen.entered(), "");
    type(QStringLiteral("a"));
    EXPECT_EQ(screen.textEnterColour, colour::kWhite) << "the log is cleared for the new level";
}

TEST_F(RulesTest, MissesEmptyGuessesSpacesAndVisibleHyphens)
{
    play(QStringLiteral("Jo-Jo"));
    guess(QStringLiteral("x"));
    EXPECT_EQ(screen.lives() + u' ' + screen.entered(), "9 x,") << "a miss is listed like a hit";
    type(QStringLiteral("x"));
    EXPECT_EQ(screen.textEnterColour, colour::kLightRed) << "and logged";

    const int focusBefore = screen.focusCount;
    guess(QString());
    EXPECT_EQ(screen.lives() + u' ' + screen.entered(), "9 x,");
    EXPECT_EQ(screen.focusCount, focusBefore + 1) << "an empty guess only refocuses the box";

    type(QStringLiteral(" "));
    EXPECT_EQ(screen.text, "") << "a lone space is removed at once";
    EXPECT_EQ(screen.textEnterColour, colour::kWhite);

    guess(QStringLiteral("-"));
    EXPECT_EQ(screen.score() + u' ' + screen.masked(), "1 ..-..") << "a visible hyphen scores once";
    guess(QStringLiteral("-"));
    EXPECT_EQ(screen.lives(), "8");
}

TEST_F(RulesTest, AFullLogStillJudgesAndListsButForgets)
{
    play(QStringLiteral("Zed"));
    screen.captions[Label::Lives] = QStringLiteral("5000"); // enough to fill the log
    for (int i = 0; i < 1000; ++i)
        guess(QStringLiteral("q"));
    guess(QStringLiteral("z"));
    guess(QStringLiteral("z"));
    EXPECT_EQ(screen.score() + u' ' + screen.lives(), "2 4000") << "z is never logged, so it is new every time";
    EXPECT_TRUE(screen.entered().endsWith(QStringLiteral("q,q,z,z,")));

    game->GetPoints(32760);
    game->GetPoints(10);
    EXPECT_EQ(screen.score(), "32767") << "the score stops at its limit instead of wrapping";
}

TEST_F(RulesTest, TheClockCountsDownRedsAndThenTakesALifeEverySecond)
{
    play(QStringLiteral("Al"));
    ticks(1);
    EXPECT_EQ(clock(), "99 on grey");
    ticks(93);
    EXPECT_EQ(clock(), "6 on grey");
    ticks(1);
    EXPECT_EQ(clock(), "5 on light red");
    ticks(4);
    EXPECT_EQ(clock() + u' ' + screen.lives(), "1 on light red 10");
    ticks(1);
    EXPECT_EQ(clock() + u' ' + screen.lives(), "0 on red 9") << "time up costs a life at once";
    ticks(3);
    EXPECT_EQ(clock() + u' ' + screen.lives(), "0 on red 6");
    EXPECT_EQ(screen.timerInterval, 1000) << "the clock keeps running";

    guess(QStringLiteral("a"));
    guess(QStringLiteral("l"));
    EXPECT_EQ(clock() + u' ' + screen.lives(), "95 on red 8") << "the next level's time on the last tick's colour";
    ticks(1);
    EXPECT_EQ(clock(), "94 on grey");
}

TEST_F(RulesTest, NoTickCountsWhileABoxIsOpenOrTheGamePauses)
{
    play(QStringLiteral("Anna"));
    screen.captions[Label::Time] = QStringLiteral("1");
    screen.whileBoxIsOpen = [&] { ticks(5); };
    guess(QStringLiteral("a"));
    guess(QStringLiteral("n"));
    EXPECT_EQ(screen.lives() + u' ' + screen.time(), "12 95");
}

TEST_F(RulesTest, TheLastLifeStartsACleanNewGameThatTheLosingGuessLeavesNoTraceIn)
{
    play(QStringLiteral("Anna"));
    screen.captions[Label::Lives] = QStringLiteral("2");
    guess(QStringLiteral("z"));
    type(QStringLiteral("Z"));
    guess(QStringLiteral("Z")); // a repeat: the last life
    ASSERT_EQ(screen.boxes.size(), 1u);
    EXPECT_EQ(screen.boxes[0].text, "Game Over.. You scored 0\r\nIt was Anna");
    EXPECT_EQ(screen.boxes[0].timerInterval, 0) << "the clock stops before the box opens";
    EXPECT_EQ(screen.entered() + screen.text, "");
    EXPECT_EQ(screen.textEnterColour, colour::kWhite) << "the new game's empty box is not left red";
    EXPECT_EQ(screen.masked() + u' ' + screen.lives() + u' ' + screen.time(), ".... 10 100");
    EXPECT_EQ(screen.timerInterval, 1000);
    type(QStringLiteral("z"));
    EXPECT_EQ(screen.textEnterColour, colour::kWhite) << "nothing of the old game is logged";

    // Lost to the clock: the same clean start.
    guess(QStringLiteral("a"));
    screen.captions[Label::Lives] = QStringLiteral("1");
    ticks(100);
    EXPECT_EQ(screen.boxes.back().text, "Game Over.. You scored 1\r\nIt was Anna");
    EXPECT_EQ(clock() + u' ' + screen.lives() + u' ' + screen.score(), "100 on red 10 0");
}

} // namespace
