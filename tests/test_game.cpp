// The game on a recording view: a new game, whole guesses and levels, the
// clock, and game over: ranking against the file as it stands, the name box,
// the saved table, and other copies of the game sharing the file.

#include "GameFixture.h"
#include "engine/ClockRandom.h"

#include <sys/file.h>
#include <sys/wait.h>

namespace {

using RulesTest = GameFixture;
using GameOverTest = GameFixture;

QString boxes(const FakeView &view)
{
    QStringList shown;
    for (const FakeView::Box &box : view.boxes)
        shown << box.title + u':' + box.text + (box.clockRunning ? ":ticking" : ":stopped");
    return shown.join(u'|');
}

TEST_F(RulesTest, ANewGameShowsTheTableAMaskedNameAndFreshCounters)
{
    Session &game = newGame({"Everland:Bo Li", "Northland:Anne-Marie O'Hara"});
    game.start({1});
    EXPECT_EQ(game.view.seen(), "....-..... .'.... [] lives 10 score 0 time 100, box untouched");
    EXPECT_EQ(game.view.origin + game.view.table.join(u' '), "NorthlandAnn|40 Ben|30 Cy|30 Di|20 Ed|10");

    // An empty guess only gives the focus back to the box; a space is taken out.
    game.guess(QString());
    game.view.type(" ");
    EXPECT_EQ(game.view.letterBox + QString::number(game.view.focusCount), "1");
    // A hyphen, shown from the start, scores once, then costs a life.
    game.guess("-", "-");
    EXPECT_EQ(game.view.seen(), "....-..... .'.... [- -] lives 9 score 1 time 100, box new");

    ClockRandom clockRandom;
    QSet<int> drawn;
    for (int i = 0; i < 1000; ++i)
        drawn.insert(clockRandom.pick(3));
    EXPECT_EQ(drawn, QSet<int>({0, 1, 2})) << "the clock-seeded source draws every name, and no other";
}

TEST_F(RulesTest, TheAnnaStoryScoresNewLettersOnceChargesForRepeatsAndItsLastLifeStartsACleanGame)
{
    // Then a name of letters the player sees as one each: a mathematical
    // letter, a Deseret capital whose small form is U+10428, an accent typed
    // after its letter, and a final sigma.
    Session &game = newGame({"Testland:Anna", "Testland:\u00C9\U0001D49C\U00010400 \u03C2"});
    game.start({0, 1});
    game.guess("a");
    EXPECT_EQ(game.view.seen() + QString::number(game.view.focusCount), "A..a [a] lives 10 score 1 time 100, box new1");
    game.view.type("A");
    EXPECT_EQ(game.view.seen(), "A..a [a] lives 10 score 1 time 100, box tried") << "tried before, in either case";
    game.guess("A");
    EXPECT_EQ(game.view.seen(), "A..a [a A] lives 9 score 1 time 100, box new");

    // The full name shows through the pause and the box; the reward comes
    // after, and is told with the next level.
    QStringList seenInBoxes;
    game.view.whileBoxIsOpen = [&](auto &) { seenInBoxes << game.view.seen(); };
    game.guess("N");
    EXPECT_EQ(seenInBoxes, QStringList(2, "Anna [a A N] lives 9 score 2 time 100, box new"));
    EXPECT_EQ(boxes(game.view), "pause:250:ticking|Congratulations!!!:Anna:ticking");
    EXPECT_EQ(game.view.seen(), "... . [] lives 11 score 4 time 95, box new");
    EXPECT_EQ(std::pair(game.view.standing.lives, game.view.standing.score), std::pair(11, 4));

    game.guess("\U0001D49C", "\U00010428", "e\u0301");
    EXPECT_EQ(game.view.seen(),
              "\u00C9\U0001D49C\U00010400 . [\U0001D49C \U00010428 e\u0301] lives 11 score 7 time 95, box new");
    game.guess("\u03A3"); // a capital sigma finds the final one
    EXPECT_EQ(boxes(game.view).section(u'|', 3), "Congratulations!!!:\u00C9\U0001D49C\U00010400 \u03C2:ticking");

    // A new game: its last life, lost to a letter tried before, starts a
    // clean new game that the losing guess leaves no trace in.
    game.view.boxes.clear();
    game.start();
    for (int i = 0; i < 8; ++i)
        game.guess("q");
    game.guess("z");
    game.view.type("Z");
    game.guess("Z"); // tried before: the last life
    EXPECT_EQ(boxes(game.view), ":Game Over.. You scored 0\nIt was Anna:stopped") << "the clock stops first";
    EXPECT_EQ(game.view.seen(), ".... [] lives 10 score 0 time 100, box new");
    // Nothing of the old game is remembered, and the clock runs again.
    game.view.type("z");
    EXPECT_EQ(game.view.seen().right(7) + (game.view.clockRunning ? " ticking" : ""), "box new ticking");
}

TEST_F(RulesTest, ALongGameShortensTheLevelsAndKeepsItsCountsWithinTheirLimits)
{
    Session &game = newGame();
    constexpr int kLevels = 10923; // 3 points each: the score would pass 32767
    std::vector<int> picks(kLevels, 0);
    picks.push_back(1);
    game.start(picks);
    QStringList times;
    for (int level = 0; level < kLevels; ++level, game.guess("a"))
        times << QString::number(game.view.secondsLeft);
    EXPECT_EQ(times.mid(0, 18).join(u' ') + u' ' + times.last(),
              "100 95 90 85 80 75 70 65 60 55 50 45 40 35 30 25 25 25 25");
    // The score stops at its limit instead of wrapping.
    EXPECT_EQ(game.view.seen(), "... [] lives 21856 score 32767 time 25, box new");

    // A level remembers its first 1000 letters as tried, and lists them all.
    for (int i = 0; i < 999; ++i)
        game.guess("q");
    game.guess("x", "z"); // x is the 1000th; z is not remembered, so new every time
    game.view.type("x");
    EXPECT_EQ(game.view.seen().right(9), "box tried");
    game.view.type("z");
    EXPECT_EQ(game.view.seen().right(7), "box new");
    EXPECT_EQ(game.view.tried.size(), 1001);
}

TEST_F(RulesTest, TheClockCountsDownWarnsAndThenTakesALifeEverySecond)
{
    Session &game = newGame({"Testland:Al"});
    game.start();
    QStringList clock;
    for (const int count : {1, 93, 1, 4, 1, 3}) {
        game.ticks(count);
        clock << game.view.seen().section(u' ', 6);
    }
    EXPECT_EQ(clock.join(u'|'),
              "time 99, box untouched|time 6, box untouched|time 5 running out, box untouched|"
              "time 1 running out, box untouched|time 0 up, box untouched|time 0 up, box untouched");
    EXPECT_EQ(game.view.lives, 6);
    EXPECT_EQ(game.view.warnings, QStringList({"5 running out", "0 up"})) << "said once each, not every second";

    game.guess("a", "l");
    EXPECT_EQ(game.view.seen(), ".. [] lives 8 score 4 time 95 up, box new") << "the new time on the old look";
    game.ticks(1);
    EXPECT_EQ(game.view.seen(), ".. [] lives 8 score 4 time 94, box new");

    // No tick counts in a box or the pause.
    game.view.whileBoxIsOpen = [&](auto &) { game.ticks(5); };
    game.ticks(93);
    game.guess("a", "l");
    EXPECT_EQ(game.view.seen(), ".. [] lives 10 score 8 time 90 running out, box new");
}

// The case's name, the five scores in the file, the final score, the place it
// earns (0: none) and the table after. A tuple, so test names print readably.
using RankCase = std::tuple<std::string, std::string, int, int, std::string>;
class RankingTest : public GameFixture, public ::testing::WithParamInterface<RankCase> { };

TEST_P(RankingTest, RanksAsTheFileStandsAndShiftsThePlacesBelow)
{
    const auto &[name, scores, finalScore, place, after] = GetParam();
    Session &game = newGame();
    writeScores("A B C D E", QString::fromStdString(scores));
    game.finishWith(finalScore, "New");
    // The place the name box tells of ("... place number 4 with ..."), or 0 for the game-over box.
    EXPECT_EQ(game.view.boxes[0].asksName ? game.view.boxes[0].text.section(u' ', 4, 4).toInt() : 0, place);
    EXPECT_EQ(game.view.table.join(u' ').toStdString(), after);
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
                      RankCase{"UnsortedOnlyFifthDecides", "1 1 1 1 100", 50, 0, "A|1 B|1 C|1 D|1 E|100"},
                      RankCase{"HandWrittenScoresStayAsWritten", "050 +40 3e1 20.0 10", 35, 3,
                               "A|050 B|+40 New|35 C|3e1 D|20.0"}),
    [](const ::testing::TestParamInfo<RankCase> &info) { return std::get<0>(info.param); });

TEST_F(GameOverTest, APlacementRewritesTheFileOrMakesAMissingOneAndStartsANewGameButADamagedOneIsAnError)
{
    Session &game = newGame();
    game.finishWith(35, "  Zoe, \"Z\"  ");
    EXPECT_EQ(boxes(game.view), ":Congratulations, you're place number 2 with 35 points.\nLast answer was Bcd:stopped");
    EXPECT_EQ(lines(), "Ann|  Zoe, \"Z\"  |Ben|Cy|Di|40|35|30|30|20|");
    // A new game, without a congratulations box.
    EXPECT_EQ(game.view.seen() + QString::number(game.view.boxes.size()), "... [] lives 10 score 0 time 100, box new1");

    // The name box offers the last answer; an empty one becomes "I'm Stupid";
    // a pasted line break cannot split a name across lines.
    QStringList defaults;
    for (const QString answer : {"", "   ", "Zoe\r\nX\u2028Y"}) {
        game.finishWith(50, answer);
        defaults << game.view.boxes.back().defaultName;
    }
    EXPECT_EQ(defaults, QStringList({"  Zoe, \"Z\"  ", "I'm Stupid", "   "}));
    EXPECT_EQ(lines(), "I'm Stupid|   |Zoe  X Y|Ann|  Zoe, \"Z\"  |50|50|50|40|35|");
    EXPECT_EQ(game.view.table.join(u' '), "I'm Stupid|50    |50 Zoe  X Y|50 Ann|40   Zoe, \"Z\"  |35");

    // A file damaged during play is an error, and left as it is; a missing
    // one is made by the next placement.
    game.view.whileBoxIsOpen = [&](auto &) { writeScores("A B C D E", "9 8 7 6 oops"); };
    EXPECT_THAT(errorOf([&] { game.finishWith(100); }), testing::HasSubstr("hscores.txt, line 10"));
    game.view.whileBoxIsOpen = nullptr;
    EXPECT_EQ(lines() + boxes(game.view), "A|B|C|D|E|9|8|7|6|oops|");

    QFile::remove(path("database/hscores.txt"));
    game.finishWith(3, "Neo");
    EXPECT_EQ(lines(), "Neo|||||3|0|0|0|0|");
}

TEST_F(GameOverTest, CopiesSharingTheFileKeepEveryPlacementAndOnlyALiveOnesLockFailsASave)
{
    Session &game = newGame();
    Session &other = newGame();

    // The other copy places a score while this game is played: the game over
    // ranks against the file as it stands, and shows it behind the name box.
    bool otherPlays = true;
    QString behindTheNameBox;
    game.view.whileBoxIsOpen = [&](const FakeView::Box &box) {
        std::exchange(otherPlays, false) ? other.finishWith(25, "Bob") : void();
        behindTheNameBox = box.asksName ? game.view.table.join(u' ') : behindTheNameBox;
    };
    game.finishWith(35, "Alice");
    EXPECT_EQ(behindTheNameBox, "Ann|40 Ben|30 Cy|30 Bob|25 Di|20");
    EXPECT_EQ(lines(), "Ann|Alice|Ben|Cy|Bob|40|35|30|30|25|");

    // Meanwhile another game took a better place than this score: it is
    // told the place it really took.
    game.view.whileBoxIsOpen = [&](auto &box) { box.asksName ? other.finishWith(40, "Cat") : void(); };
    game.finishWith(34, "Dan");
    EXPECT_EQ(game.view.boxes.back().text, "The high-score table changed meanwhile: 34 points took place number 4.");
    EXPECT_EQ(lines(), "Ann|Cat|Alice|Dan|Ben|40|40|35|34|30|");

    // Meanwhile other games filled the places this score needed.
    game.view.whileBoxIsOpen = [&](auto &box) { box.asksName ? writeScores("P Q R S T", "99 99 99 99 99") : void(); };
    game.finishWith(50, "Late");
    EXPECT_EQ(game.view.boxes.back().text,
              "Other games took the high-score places meanwhile: 50 points no longer earn a place.");
    EXPECT_EQ(game.view.table.join(u' ') + u' ' + lines(), "P|99 Q|99 R|99 S|99 T|99 P|Q|R|S|T|99|99|99|99|99|");

    // A lock left by a copy that crashed does not block the next placement.
    game.view.whileBoxIsOpen = nullptr;
    writeScores("Ann Ben Cy Di Ed", "40 30 30 20 10");
    const QString lock = path("database/hscores.txt.lock");
    if (::fork() == 0)
        ::_exit((new QLockFile(lock))->tryLock() ? 0 : 1); // a copy that crashes, leaving its lock behind
    ::wait(nullptr);
    ASSERT_TRUE(QFile::exists(lock));
    game.finishWith(35, "After a crash");
    EXPECT_EQ(game.view.table.join(u' '), "Ann|40 After a crash|35 Ben|30 Cy|30 Di|20");

    // A live copy holds the lock file, or saves in place holding the table.
    const QString before = lines();
    QLockFile held(lock);
    QFile table(path("database/hscores.txt"));
    for (const bool inPlace : {false, true}) {
        ASSERT_TRUE(inPlace ? table.open(QFile::ReadOnly) && ::flock(table.handle(), LOCK_EX) == 0 : held.tryLock());
        game.finishWith(45, "Blocked");
        EXPECT_THAT(game.view.boxes.back().text.toStdString(),
                    testing::HasSubstr("could not be saved to " + path("database/hscores.txt").toStdString()
                                       + ": another copy of the game keeps it locked"));
        EXPECT_EQ(game.view.seen().section(u' ', 2) + lines(), "lives 10 score 0 time 100, box new" + before);
        held.unlock();
    }
}

} // namespace
