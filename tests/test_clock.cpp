#include "GameFixture.h"

namespace {

class ClockTest : public GameFixture {
protected:
    void SetUp() override
    {
        writeScores({"Ann", "Ben", "Cy", "Di", "Ed"}, {"40", "30", "20", "10", "5"});
        writePlayers({"Testland:Anna"});
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

TEST_F(ClockTest, CountsDownRedsAndThenTakesALifeEverySecond)
{
    ticks(1);
    EXPECT_EQ(clock(), "99 on grey");
    ticks(92);
    EXPECT_EQ(clock(), "7 on grey");
    ticks(1);
    EXPECT_EQ(clock(), "6 on grey");
    ticks(1);
    EXPECT_EQ(clock(), "5 on light red");
    ticks(4);
    EXPECT_EQ(clock(), "1 on light red");
    EXPECT_EQ(screen.lives(), "10");
    ticks(1);
    EXPECT_EQ(clock(), "0 on red");
    EXPECT_EQ(screen.lives(), "9") << "time up costs a life at once";
    ticks(3);
    EXPECT_EQ(clock(), "0 on red");
    EXPECT_EQ(screen.lives(), "6");
    EXPECT_EQ(screen.timerInterval, 1000) << "the clock keeps running";
}

TEST_F(ClockTest, NoTickCountsWhileABoxIsOpenOrTheGamePauses)
{
    screen.captions[Label::Time] = QStringLiteral("1");
    int ticksInBoxes = 0;
    screen.whileBoxIsOpen = [&] {
        ++ticksInBoxes;
        ticks(5);
    };
    guess(QStringLiteral("a"));
    guess(QStringLiteral("n"));
    ASSERT_EQ(screen.boxes.size(), 1u);
    EXPECT_EQ(ticksInBoxes, 2) << "the pause and the congratulations box";
    EXPECT_EQ(screen.lives(), "12");
    EXPECT_EQ(screen.time(), "95");
}

TEST_F(ClockTest, TheLastLifeLostToTheClockStartsACleanNewGame)
{
    screen.captions[Label::Lives] = QStringLiteral("1");
    guess(QStringLiteral("a"));
    ticks(100);
    ASSERT_EQ(screen.boxes.size(), 1u);
    EXPECT_EQ(screen.boxes[0].text, "Game Over.. You scored 1\r\nIt was Anna");
    EXPECT_EQ(screen.lives(), "10");
    EXPECT_EQ(screen.score(), "0");
    EXPECT_EQ(clock(), "100 on red") << "the new time shows on the last tick's colour";
    EXPECT_EQ(screen.masked(), "....");
    EXPECT_EQ(screen.entered(), "");
    EXPECT_EQ(screen.timerInterval, 1000);
    ticks(1);
    EXPECT_EQ(clock(), "99 on grey");
}

} // namespace
