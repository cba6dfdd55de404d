// The game on a recording screen: a new game, whole guesses and levels, the
// clock, and game over: ranking against the file as it stands, the name box,
// the saved table, and other copies of the game sharing the file.

#include "GameFixture.h"

#include <sys/wait.h>

namespace {

using RulesTest = GameFixture;
using GameOverTest = GameFixture;

QString boxes(const FakeScreen &screen)
{
    QStringList shown;
    for (const FakeScreen::Box &box : screen.boxes)
        shown << box.title + u':' + box.text + u':' + QString::number(box.timerInterval);
    return shown.join(u'|');
}

TEST_F(RulesTest, ANewGameShowsTheTableAMaskedNameAndFreshCounters)
{
    writeScores("Ann Ben Cy Di Ed", "40 30 20 10 5");
    writePlayers({"Everland:Anne-Marie O'Hara", "Northland:Anna", "Southland:Bo Li"});
    start({0.0, 0.34, 0.67, 0.9999999999});
    EXPECT_EQ(screen.table(), "Ann|40 Ben|30 Cy|20 Di|10 Ed|5");
    EXPECT_EQ(screen.seen(), "....-..... .'.... [] lives 10 score 0 time 100 on light grey, box grey");
    EXPECT_EQ(screen.caption(Label::NameFrom) + boxes(screen), "This player is from Everland") << "no box at a start";
    EXPECT_EQ(screen.timerInterval, 1000);

    guess(QString());
    type(" ");
    EXPECT_EQ(screen.text + QString::number(screen.focusCount), "1") << "an empty guess only refocuses the box";
    guess("-", "-");
    EXPECT_EQ(screen.seen(), "....-..... .'.... [-,-,] lives 9 score 1 time 100 on light grey, box white")
        << "a visible hyphen scores once, then costs a life";

    // Every filled slot can be drawn, and no empty one; each level reseeds,
    // and has five seconds less, down to 25.
    QStringList levels;
    for (int level = 1; level <= 18; ++level, game->NextLevel())
        levels << QString::number(game->currentName().size()) + u'/' + screen.caption(Label::Time);
    EXPECT_EQ(levels.join(u' ') + u' ' + QString::number(random.randomizeCount),
              "17/100 4/95 5/90 5/85 5/80 5/75 5/70 5/65 5/60 5/55 5/50 5/45 5/40 5/35 5/30 5/25 5/25 5/25 19");

    ClockRandom clockRandom;
    QSet<int> drawn;
    for (int i = 0; i < 1000; ++i)
        drawn.insert(static_cast<int>(3 * clockRandom.Rnd()));
    EXPECT_EQ(drawn, QSet<int>({0, 1, 2})) << "the clock-seeded source reaches every name";
}

TEST_F(RulesTest, TheAnnaStoryScoresNewLettersOnceAndChargesForRepeats)
{
    play("Anna");
    guess("a");
    EXPECT_EQ(screen.seen() + QString::number(screen.focusCount),
              "A..a [a,] lives 10 score 1 time 100 on light grey, box white1");
    type("A");
    EXPECT_EQ(screen.look(Painted::TextEnter), "light red") << "already entered, in either case";
    guess("A");
    EXPECT_EQ(screen.seen(), "A..a [a,A,] lives 9 score 1 time 100 on light grey, box white");

    QStringList seenInBoxes;
    screen.whileBoxIsOpen = [&] { seenInBoxes << screen.seen(); };
    guess("N");
    EXPECT_EQ(seenInBoxes, QStringList(2, "Anna [a,A,N,] lives 9 score 2 time 100 on light grey, box white"))
        << "the full name shows through the pause and the box; the reward comes after";
    EXPECT_EQ(boxes(screen), "pause:250:1000|Congratulations!!!:Anna:1000");
    EXPECT_EQ(screen.seen(), ".... [] lives 11 score 4 time 95 on light grey, box white");
    screen.captions[Label::Lives] = "5000"; // enough to fill the log of 1000 letters
    for (int i = 0; i < 999; ++i)           // the log was cleared for the new level: these fill all but one slot
        guess("q");
    guess("x", "z"); // x takes the last slot; z finds none, and is new every time
    type("x");
    EXPECT_EQ(screen.look(Painted::TextEnter), "light red");
    type("z");
    EXPECT_EQ(screen.look(Painted::TextEnter), "white") << "a log of exactly 1000 letters";
    game->GetPoints(32767);
    EXPECT_EQ(screen.caption(Label::Score), "32767") << "the score stops at its limit instead of wrapping";
}

TEST_F(RulesTest, TheClockCountsDownRedsAndThenTakesALifeEverySecond)
{
    play("Al");
    QStringList clock;
    for (const int count : {1, 93, 1, 4, 1, 3}) {
        ticks(count);
        clock << screen.caption(Label::Time) + u' ' + screen.look(Painted::LabelTime) + u' ' + screen.lives();
    }
    EXPECT_EQ(clock.join(u','), "99 light grey 10,6 light grey 10,5 light red 10,1 light red 10,0 red 9,0 red 6");

    guess("a", "l");
    EXPECT_EQ(screen.seen(), ".. [] lives 8 score 4 time 95 on red, box white") << "the new time on the old colour";
    ticks(1);
    EXPECT_EQ(screen.caption(Label::Time) + u' ' + screen.look(Painted::LabelTime), "94 light grey");

    screen.whileBoxIsOpen = [&] { ticks(5); };
    screen.captions[Label::Time] = "1";
    guess("a", "l");
    EXPECT_EQ(screen.lives() + u' ' + screen.caption(Label::Time), "10 90") << "no tick counts in a box or the pause";
}

TEST_F(RulesTest, TheLastLifeStartsACleanNewGameThatTheLosingGuessLeavesNoTraceIn)
{
    play("Anna");
    screen.captions[Label::Lives] = "2";
    guess("z");
    type("Z");
    guess("Z"); // a repeat: the last life
    EXPECT_EQ(boxes(screen), "Nomilo:Game Over.. You scored 0\r\nIt was Anna:0") << "the clock stops first";
    EXPECT_EQ(screen.seen(), ".... [] lives 10 score 0 time 100 on light grey, box white");
    type("z");
    EXPECT_EQ(screen.look(Painted::TextEnter) + QString::number(screen.timerInterval), "white1000")
        << "nothing of the old game is logged, and the clock runs again";
}

// The case's name, the five scores in the file, the final score, the place it
// earns (0: none) and the table after. A tuple, so test names print readably.
using RankCase = std::tuple<std::string, std::string, int, int, std::string>;
class RankingTest : public GameFixture, public ::testing::WithParamInterface<RankCase> { };

TEST_P(RankingTest, RanksAsTheFileStandsAndShiftsThePlacesBelow)
{
    const auto &[name, scores, myScore, place, after] = GetParam();
    play("Anna");
    writeScores("A B C D E", QString::fromStdString(scores));
    endWith(*game, screen, myScore, "New");
    // The place the name box tells of ("... place number 4 with ..."), or 0 for the game-over box.
    EXPECT_EQ(screen.boxes[0].input ? screen.boxes[0].text.mid(37, 1).toInt() : 0, place);
    EXPECT_EQ(screen.table().toStdString(), after);
}

INSTANTIATE_TEST_SUITE_P(
    Places, RankingTest,
    ::testing::Values(RankCase{"TieGoesBelow", "40 30 30 20 10", 30, 4, "A|40 B|30 C|30 New|30 D|20"},
                      RankCase{"EqualToFifthIsNoPlace", "40 30 30 20 10", 10, 0, "A|40 B|30 C|30 D|20 E|10"},
                      RankCase{"EqualToFourthIsFifth", "40 30 30 20 10", 20, 5, "A|40 B|30 C|30 D|20 New|20"},
                      RankCase{"BestOfAll", "40 30 30 20 10", 41, 1, "New|41 A|40 B|30 C|30 D|20"},
                      RankCase{"ComparedAsNumbers", "400 300 200 150 99", 100, 5, "A|400 B|300 C|200 D|150 New|100"},
                      RankCase{"ZeroBeatsANegative", "0 0 0 0 -1", 0, 5, "A|0 B|0 C|0 D|0 New|0"},
                      RankCase{"ZeroBeatsNothingElse", "1 1 1 1 0", 0, 0, "A|1 B|1 C|1 D|1 E|0"},
                      RankCase{"UnsortedSearchesUpward", "10 50 20 5 1", 30, 3, "A|10 B|50 New|30 C|20 D|5"},
                      RankCase{"UnsortedOnlyFifthDecides", "1 1 1 1 100", 50, 0, "A|1 B|1 C|1 D|1 E|100"}),
    [](const ::testing::TestParamInfo<RankCase> &info) { return std::get<0>(info.param); });

TEST_F(GameOverTest, APlacementRewritesTheFileAndStartsANewGame)
{
    play("Anna", "40 30 30 20 10");
    endWith(*game, screen, 35, "  Zoe, \"Z\"  ");
    EXPECT_EQ(boxes(screen), "Nomilo:Congratulations, you're place number 2 with 35 points.\r\nLast answer was Anna:0");
    EXPECT_EQ(lines(), "Ann|  Zoe, \"Z\"  |Ben|Cy|Di|40|35|30|30|20|");
    EXPECT_EQ(screen.seen() + QString::number(screen.boxes.size()),
              ".... [] lives 10 score 0 time 100 on light grey, box grey1")
        << "a new game, without a congratulations box";

    // The name box offers the last answer; an empty one becomes "I'm Stupid";
    // a pasted line break cannot split a name across lines.
    QStringList defaults;
    for (const QString answer : {"", "   ", "Zoe\r\nX\u2028Y"}) {
        endWith(*game, screen, 50, answer);
        defaults << screen.boxes.back().defaultText;
    }
    EXPECT_EQ(defaults, QStringList({"  Zoe, \"Z\"  ", "I'm Stupid", "   "}));
    EXPECT_EQ(lines(), "I'm Stupid|   |Zoe  X Y|Ann|  Zoe, \"Z\"  |50|50|50|40|35|");
    EXPECT_EQ(screen.table(), "I'm Stupid|50    |50 Zoe  X Y|50 Ann|40   Zoe, \"Z\"  |35");
}

TEST_F(GameOverTest, ADamagedFileIsAnErrorLeftUntouchedAndAMissingOneIsMadeByTheFirstPlacement)
{
    play("Anna");
    writeScores("A B C D E", "9 8 7 6 oops");
    EXPECT_THAT(errorOf([&] { endWith(*game, screen, 100); }), testing::HasSubstr("hscores.txt, line 10"));
    EXPECT_EQ(lines() + boxes(screen), "A|B|C|D|E|9|8|7|6|oops|");

    QFile::remove(path("database/hscores.txt"));
    endWith(*game, screen, 3, "Neo");
    EXPECT_EQ(lines(), "Neo|||||3|0|0|0|0|");
}

TEST_F(GameOverTest, TwoCopiesAtOnceKeepBothPlacements)
{
    play("Anna", "40 30 30 20 10");
    FakeScreen otherScreen;
    Game other(otherScreen, random, files());
    other.Form_Activate();

    // Both name boxes are open; the other copy saves first.
    screen.whileBoxIsOpen = [&] { endWith(other, otherScreen, 25, "Bob"); };
    endWith(*game, screen, 35, "Alice");
    EXPECT_EQ(lines(), "Ann|Alice|Ben|Cy|Bob|40|35|30|30|25|");

    // Meanwhile other games filled the places this score needed.
    screen.whileBoxIsOpen = [&] { writeScores("P Q R S T", "99 99 99 99 99"); };
    endWith(*game, screen, 50, "Late");
    EXPECT_EQ(screen.boxes.back().text,
              "Other games took the high-score places meanwhile: 50 points no longer earn a place.");
    EXPECT_EQ(screen.table() + u' ' + lines(), "P|99 Q|99 R|99 S|99 T|99 P|Q|R|S|T|99|99|99|99|99|");
}

TEST_F(GameOverTest, ALockLeftByACrashedCopyDoesNotBlockButALiveOneFailsTheSaveAndPlayGoesOn)
{
    play("Anna", "40 30 30 20 10");
    const QString lock = path("database/hscores.txt.lock");
    if (::fork() == 0)
        ::_exit((new QLockFile(lock))->tryLock() ? 0 : 1); // a copy that crashes, leaving its lock behind
    ::wait(nullptr);
    ASSERT_TRUE(QFile::exists(lock));
    endWith(*game, screen, 35, "After a crash");
    EXPECT_EQ(screen.table(), "Ann|40 After a crash|35 Ben|30 Cy|30 Di|20");

    QLockFile held(lock);
    ASSERT_TRUE(held.tryLock());
    const QString before = lines();
    endWith(*game, screen, 45, "Blocked");
    EXPECT_THAT(screen.boxes.back().text.toStdString(),
                testing::HasSubstr("could not be saved to " + path("database/hscores.txt").toStdString()
                                   + ": another copy of the game keeps it locked"));
    EXPECT_EQ(screen.seen() + lines(), ".... [] lives 10 score 0 time 100 on light grey, box grey" + before);
}

} // namespace
