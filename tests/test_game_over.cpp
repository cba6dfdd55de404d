// Game over: ranking against the file as it stands, the name box, the saved
// table, and other copies of the game sharing the file.

#include "GameFixture.h"

#include "data/DataError.h"

#include <QLockFile>

using ::testing::HasSubstr;

namespace {

class GameOverTest : public GameFixture {
protected:
    void SetUp() override
    {
        writePlayers({"Testland:Anna"});
        writeScores("Ann Ben Cy Di Ed", "40 30 30 20 10");
        start();
    }
    // Ends a game with this score, as the last life lost would.
    static void endWith(Game &game, FakeScreen &screen, int score, const QString &answer)
    {
        screen.answer = answer;
        game.GetPoints(static_cast<qint16>(score - game.gameScore()));
        screen.captions[Label::Lives] = QStringLiteral("1");
        game.LoseLife();
    }
    void endWith(int score, const QString &answer = QStringLiteral("Me"))
    {
        screen.boxes.clear();
        endWith(*game, screen, score, answer);
    }
};

struct RankCase {
    const char *name, *scores;
    int myScore, place; // place 0: none
    const char *after;
};

class RankingTest : public GameOverTest, public ::testing::WithParamInterface<RankCase> { };

TEST_P(RankingTest, RanksAsTheFileStandsAndShiftsThePlacesBelow)
{
    const RankCase &c = GetParam();
    writeScores("A B C D E", c.scores);
    endWith(c.myScore, QStringLiteral("New"));
    ASSERT_EQ(screen.boxes.size(), 1u);
    const FakeScreen::Box &box = screen.boxes[0];
    EXPECT_EQ(box.text,
              c.place == 0 ? QStringLiteral("Game Over.. You scored %1\r\nIt was Anna").arg(c.myScore)
                           : QStringLiteral("Congratulations, you're place number %1 with %2 points.\r\n"
                                            "Last answer was Anna")
                                 .arg(c.place)
                                 .arg(c.myScore));
    EXPECT_EQ(box.input, c.place > 0);
    EXPECT_EQ(box.title + u' ' + QString::number(box.timerInterval), "Nomilo 0") << "the clock stops first";
    EXPECT_EQ(screen.table(), c.after);
    EXPECT_EQ(lines().contains(QStringLiteral("New|")), c.place > 0);
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
    [](const ::testing::TestParamInfo<RankCase> &info) { return std::string(info.param.name); });

TEST_F(GameOverTest, APlacementRewritesTheFileAndStartsANewGame)
{
    endWith(35, QStringLiteral("  Zoe, \"Z\"  "));
    EXPECT_EQ(lines(), "Ann|  Zoe, \"Z\"  |Ben|Cy|Di|40|35|30|30|20|");
    EXPECT_EQ(screen.seen(), ".... [] lives 10 score 0 time 100 on light grey, box grey");
    EXPECT_EQ(screen.timerInterval, 1000);
    EXPECT_EQ(screen.boxes.size(), 1u) << "no congratulations box when the new game starts";

    // The name box offers the last answer; an empty one becomes "I'm Stupid";
    // a pasted line break cannot split a name across lines.
    QStringList defaults;
    for (const QString answer : {"", "   ", "Zoe\r\nX\u2028Y"}) {
        endWith(50, answer);
        defaults << screen.boxes.back().defaultText;
    }
    EXPECT_EQ(defaults, QStringList({"  Zoe, \"Z\"  ", "I'm Stupid", "   "}));
    EXPECT_EQ(lines(), "I'm Stupid|   |Zoe  X Y|Ann|  Zoe, \"Z\"  |50|50|50|40|35|");
    EXPECT_EQ(screen.table(), "I'm Stupid|50    |50 Zoe  X Y|50 Ann|40   Zoe, \"Z\"  |35");
}

TEST_F(GameOverTest, TheFileIsReadAgainAndADamagedOneIsAnErrorLeftUntouched)
{
    writeScores("A B C D E", "900 800 700 600 500");
    endWith(100);
    EXPECT_EQ(screen.table() + u' ' + QString::number(screen.boxes[0].input), "A|900 B|800 C|700 D|600 E|500 0");

    writeScores("A B C D E", "9 8 7 6 oops");
    try {
        endWith(100);
        ADD_FAILURE() << "a damaged file must not be ranked against";
    } catch (const DataError &error) {
        EXPECT_THAT(error.what(), HasSubstr("hscores.txt, line 10"));
    }
    EXPECT_EQ(lines() + QString::number(screen.boxes.size()), "A|B|C|D|E|9|8|7|6|oops|0");

    QFile::remove(path(QStringLiteral("database/hscores.txt")));
    endWith(3, QStringLiteral("Neo"));
    EXPECT_EQ(lines(), "Neo|||||3|0|0|0|0|") << "a missing file is an empty table, made by the first placement";
}

TEST_F(GameOverTest, TwoCopiesAtOnceKeepBothPlacements)
{
    FakeScreen otherScreen;
    PlannedRandom otherRandom;
    Game other(otherScreen, otherRandom, files());
    other.Form_Activate();

    // Both name boxes are open; the other copy saves first.
    screen.whileBoxIsOpen = [&] { endWith(other, otherScreen, 25, QStringLiteral("Bob")); };
    endWith(35, QStringLiteral("Alice"));
    EXPECT_EQ(lines(), "Ann|Alice|Ben|Cy|Bob|40|35|30|30|25|");

    // Meanwhile the other copy filled the places this score needed.
    bool filled = false;
    screen.whileBoxIsOpen = [&] {
        for (const char *name : {"P", "Q", "R", "S", "T"})
            filled ? void() : endWith(other, otherScreen, 100, QString::fromLatin1(name));
        filled = true;
    };
    endWith(50, QStringLiteral("Late"));
    ASSERT_EQ(screen.boxes.size(), 2u);
    EXPECT_EQ(screen.boxes[1].text,
              "Other games took the high-score places meanwhile: 50 points no longer earn a place.");
    EXPECT_EQ(screen.table(), "P|100 Q|100 R|100 S|100 T|100");
}

TEST_F(GameOverTest, ALockLeftByACrashedCopyDoesNotBlockButALiveOneFailsTheSaveAndPlayGoesOn)
{
    const QString lockPath = path(QStringLiteral("database/hscores.txt.lock"));
    ASSERT_TRUE(passesInChild([&] { return (new QLockFile(lockPath))->tryLock(); })); // ends without unlocking
    ASSERT_TRUE(QFile::exists(lockPath));
    endWith(35, QStringLiteral("After a crash"));
    EXPECT_EQ(screen.table(), "Ann|40 After a crash|35 Ben|30 Cy|30 Di|20");

    QLockFile held(lockPath);
    ASSERT_TRUE(held.tryLock());
    const QString before = lines();
    endWith(45, QStringLiteral("Blocked"));
    ASSERT_EQ(screen.boxes.size(), 2u);
    EXPECT_THAT(screen.boxes[1].text.toStdString(),
                HasSubstr("could not be saved to " + path(QStringLiteral("database/hscores.txt")).toStdString()));
    EXPECT_EQ(screen.seen(), ".... [] lives 10 score 0 time 100 on light grey, box grey");
    EXPECT_EQ(lines(), before);
}

} // namespace
