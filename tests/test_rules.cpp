// The rules of play on a recording screen: a new game, whole guesses and
// levels, the clock, and the end of a game.

#include "GameFixture.h"

#include <QSet>

namespace {

class RulesTest : public GameFixture {
protected:
    void SetUp() override { writeScores("Ann Ben Cy Di Ed", "40 30 20 10 5"); }
    void play(const QString &name)
    {
        writePlayers({QStringLiteral("Testland:") + name});
        start();
    }
};

TEST_F(RulesTest, ANewGameShowsTheTableAMaskedNameAndFreshCounters)
{
    writePlayers({"Everland:Anne-Marie O'Hara", "Northland:Anna", "Southland:Bo Li"});
    start({0.0, 0.34, 0.67, 0.9999999999});
    EXPECT_EQ(screen.table(), "Ann|40 Ben|30 Cy|20 Di|10 Ed|5");
    EXPECT_EQ(screen.seen(), "....-..... .'.... [] lives 10 score 0 time 100 on light grey, box grey");
    EXPECT_EQ(screen.caption(Label::NameFrom) + QString::number(screen.timerInterval),
              "This player is from Everland1000");
    EXPECT_TRUE(screen.boxes.empty()) << "no congratulations at a game start";

    const int focusBefore = screen.focusCount;
    guess(QString());
    type(QStringLiteral(" "));
    EXPECT_EQ(screen.focusCount, focusBefore + 1) << "an empty guess only refocuses the box";
    EXPECT_EQ(screen.text, "") << "a lone space is removed at once";
    guess(QStringLiteral("-"));
    guess(QStringLiteral("-"));
    EXPECT_EQ(screen.seen(), "....-..... .'.... [-,-,] lives 9 score 1 time 100 on light grey, box white")
        << "a visible hyphen scores once, then costs a life";

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
    EXPECT_EQ(screen.seen(), "A..a [a,] lives 10 score 1 time 100 on light grey, box white");
    type(QStringLiteral("A"));
    EXPECT_EQ(screen.seen(), "A..a [a,] lives 10 score 1 time 100 on light grey, box light red");
    type(QString());
    EXPECT_EQ(screen.look(Painted::TextEnter), "white");
    guess(QStringLiteral("A"));
    EXPECT_EQ(screen.seen(), "A..a [a,A,] lives 9 score 1 time 100 on light grey, box white");

    QStringList seenInBoxes;
    screen.whileBoxIsOpen = [&] { seenInBoxes << screen.seen(); };
    guess(QStringLiteral("N"));
    EXPECT_EQ(seenInBoxes, QStringList(2, "Anna [a,A,N,] lives 9 score 2 time 100 on light grey, box white"))
        << "the full name shows through the pause and the box; the reward comes after";
    ASSERT_EQ(screen.boxes.size(), 1u);
    EXPECT_EQ(screen.boxes[0].title + u' ' + screen.boxes[0].text, "Congratulations!!! Anna");
    EXPECT_EQ(screen.pauses, std::vector<int>({250}));
    EXPECT_EQ(screen.seen(), ".... [] lives 11 score 4 time 95 on light grey, box white");
    type(QStringLiteral("a"));
    EXPECT_EQ(screen.look(Painted::TextEnter), "white") << "the log is cleared for the new level";
}

TEST_F(RulesTest, AFullLogStillJudgesAndListsButForgets)
{
    play(QStringLiteral("Zed"));
    screen.captions[Label::Lives] = QStringLiteral("5000"); // enough to fill the log
    for (int i = 0; i < 1000; ++i)
        guess(QStringLiteral("q"));
    guess(QStringLiteral("z"));
    guess(QStringLiteral("z"));
    EXPECT_TRUE(
        screen.seen().endsWith(QStringLiteral("q,q,z,z,] lives 4000 score 2 time 100 on light grey, box white")))
        << "z is never logged, so it is new every time";
    game->GetPoints(32760);
    game->GetPoints(10);
    EXPECT_EQ(screen.caption(Label::Score), "32767") << "the score stops at its limit instead of wrapping";
}

TEST_F(RulesTest, TheClockCountsDownRedsAndThenTakesALifeEverySecond)
{
    play(QStringLiteral("Al"));
    QStringList clock;
    for (const int count : {1, 93, 1, 4, 1, 3}) {
        ticks(count);
        clock << screen.time() + u' ' + screen.look(Painted::LabelTime) + u' ' + screen.lives();
    }
    EXPECT_EQ(
        clock,
        QStringList({"99 light grey 10", "6 light grey 10", "5 light red 10", "1 light red 10", "0 red 9", "0 red 6"}));
    EXPECT_EQ(screen.timerInterval, 1000) << "the clock keeps running";

    guess(QStringLiteral("a"));
    guess(QStringLiteral("l"));
    EXPECT_EQ(screen.seen(), ".. [] lives 8 score 4 time 95 on red, box white") << "the new time on the old colour";
    ticks(1);
    EXPECT_EQ(screen.time() + u' ' + screen.look(Painted::LabelTime), "94 light grey");

    screen.whileBoxIsOpen = [&] { ticks(5); };
    screen.captions[Label::Time] = QStringLiteral("1");
    guess(QStringLiteral("a"));
    guess(QStringLiteral("l"));
    EXPECT_EQ(screen.lives() + u' ' + screen.time(), "10 90") << "no tick counts in a box or the pause";
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
    EXPECT_EQ(screen.seen(), ".... [] lives 10 score 0 time 100 on light grey, box white");
    EXPECT_EQ(screen.timerInterval, 1000);
    type(QStringLiteral("z"));
    EXPECT_EQ(screen.look(Painted::TextEnter), "white") << "nothing of the old game is logged";

    guess(QStringLiteral("a"));
    screen.captions[Label::Lives] = QStringLiteral("1");
    ticks(100);
    EXPECT_EQ(screen.boxes.back().text, "Game Over.. You scored 1\r\nIt was Anna") << "lost to the clock";
    EXPECT_EQ(screen.seen(), ".... [] lives 10 score 0 time 100 on red, box white");
}

} // namespace
