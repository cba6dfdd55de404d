// The main window as the player meets it: its look, compared picture by
// picture with committed references, and its keys and boxes, driven by
// synthesised key events and judged by what shows or what is saved.

#include "GameFixture.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <functional>

using ::testing::HasSubstr;

namespace {

const QString kReferences = QStringLiteral(NOMILO_SOURCE_DIR "/tests/reference/");
// Anti-aliasing may differ by a few pixels; a changed colour, text or frame
// changes far more of them, or by far more.
constexpr int kAllowedPixels = 24;
constexpr int kAllowedChannelDifference = 40;

class WindowTest : public GameFixture {
protected:
    void SetUp() override
    {
        writePlayers({"Testland:Anna"});
        writeScores({"Ann", "Ben", "Cy", "Di", "Ed"}, {"40", "30", "20", "10", "5"});
    }
    void open()
    {
        window = std::make_unique<Form1>(files(), random);
        QObject::connect(window.get(), &Form1::ended, [this](int status) { endings.push_back(status); });
        window->show();
        QCoreApplication::processEvents();
    }
    const Form1Controls &c() const { return window->controls(); }
    QString text(QLabel *label) const { return label->text(); }

    void key(QWidget *target, QEvent::Type type, int key, bool autoRepeat = false, const QString &text = {},
             Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent event(type, key, modifiers, text, autoRepeat);
        QApplication::sendEvent(target, &event);
    }
    void typeAndEnter(const QString &letter)
    {
        key(c().TextEnter, QEvent::KeyPress, Qt::Key_unknown, false, letter);
        key(c().TextEnter, QEvent::KeyPress, Qt::Key_Return);
    }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            QMetaObject::invokeMethod(c().Timer1, "timeout");
    }
    // Lets the window's short timers run out.
    static void settle(int milliseconds = 200)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < milliseconds)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    // Runs `act` in the next modal box, once it is open.
    template <typename Box>
    void whenBoxOpens(std::function<void(Box *)> act)
    {
        auto *poll = new QTimer();
        QObject::connect(poll, &QTimer::timeout, [poll, act] {
            if (auto *box = qobject_cast<Box *>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                act(box);
            }
        });
        poll->start(5);
    }

    void expectLooksLike(const QString &name)
    {
        const QImage actual = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString reference = kReferences + name + QStringLiteral(".png");
        if (qEnvironmentVariableIsSet("NOMILO_UPDATE_REFERENCES")) {
            ASSERT_TRUE(actual.save(reference)) << reference.toStdString();
            return;
        }
        const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(actual.size(), expected.size()) << reference.toStdString();
        QImage diff = actual.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
        int differing = 0;
        int worst = 0;
        for (int y = 0; y < actual.height(); ++y) {
            for (int x = 0; x < actual.width(); ++x) {
                const QRgb a = actual.pixel(x, y);
                const QRgb e = expected.pixel(x, y);
                const int d = std::max(
                    {std::abs(qRed(a) - qRed(e)), std::abs(qGreen(a) - qGreen(e)), std::abs(qBlue(a) - qBlue(e))});
                if (d > 0) {
                    ++differing;
                    worst = std::max(worst, d);
                    diff.setPixel(x, y, qRgb(255, 0, 0));
                }
            }
        }
        if (differing > kAllowedPixels || worst > kAllowedChannelDifference) {
            const QString saved = QDir::current().absoluteFilePath(name + QStringLiteral("-diff.png"));
            diff.save(saved);
            ADD_FAILURE() << name.toStdString() << ": " << differing << " pixels differ, by up to " << worst
                          << "; differences in red: " << saved.toStdString();
        }
    }

    std::unique_ptr<Form1> window;
    std::vector<int> endings; // exit statuses the window asked for
};

TEST_F(WindowTest, LooksAsDesignedFromTheStartToTheTimeUp)
{
    open();
    EXPECT_EQ(window->windowTitle(), "Nomilo v1.05  [03-06-27]");
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "fixed size";
    EXPECT_LE((window->geometry().center() - window->screen()->availableGeometry().center()).manhattanLength(), 8);
    expectLooksLike(QStringLiteral("start"));

    typeAndEnter(QStringLiteral("a"));
    key(c().TextEnter, QEvent::KeyPress, Qt::Key_A, false, QStringLiteral("A"));
    expectLooksLike(QStringLiteral("repeated-letter"));

    key(c().TextEnter, QEvent::KeyPress, Qt::Key_Backspace);
    ticks(95);
    expectLooksLike(QStringLiteral("last-five-seconds"));
    ticks(5);
    expectLooksLike(QStringLiteral("time-up"));
}

TEST_F(WindowTest, EnterGuessesOnceHoweverLongItIsHeldAndTypedCharactersStayWhole)
{
    open();
    typeAndEnter(QStringLiteral("a"));
    EXPECT_EQ(text(c().Entered) + u' ' + text(c().LabelScore), "a, 1");
    EXPECT_EQ(c().TextEnter->accessibleName(), "Letter");

    key(c().TextEnter, QEvent::KeyPress, Qt::Key_Z, false, QStringLiteral("z"));
    key(c().TextEnter, QEvent::KeyPress, Qt::Key_B, false, QStringLiteral("b"));
    EXPECT_EQ(c().TextEnter->text(), "z") << "the box holds one character";
    key(c().TextEnter, QEvent::KeyPress, Qt::Key_Return, true);
    key(c().TextEnter, QEvent::KeyPress, Qt::Key_Enter, true, {}, Qt::KeypadModifier);
    EXPECT_EQ(text(c().Entered) + u' ' + text(c().LabelLives), "a, 10") << "held Enter keys repeat no guess";
    key(c().TextEnter, QEvent::KeyPress, Qt::Key_Enter, false, {}, Qt::KeypadModifier);
    EXPECT_EQ(text(c().Entered) + u' ' + text(c().LabelLives), "a,z, 9");

    // A character outside the Basic Multilingual Plane is one character too.
    typeAndEnter(QStringLiteral("\U0001F642"));
    EXPECT_EQ(text(c().Entered) + u' ' + text(c().LabelLives), QStringLiteral("a,z,\U0001F642, 8"));
    EXPECT_EQ(c().TextEnter->text(), "");

    window->hide();
    window->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(text(c().LabelLives), "8") << "showing the window again starts no new game";
}

TEST_F(WindowTest, OnlyAnEscapePressedAndReleasedInTheWindowEndsTheProgram)
{
    open();
    key(c().TextEnter, QEvent::KeyRelease, Qt::Key_Escape);     // its press closed a box
    key(c().TextEnter, QEvent::KeyPress, Qt::Key_Escape, true); // still held from the box
    key(c().TextEnter, QEvent::KeyRelease, Qt::Key_Escape);
    settle();
    EXPECT_TRUE(endings.empty());

    // Held down here: repeated releases, marked or not, are each followed at once by a press.
    key(c().TextEnter, QEvent::KeyPress, Qt::Key_Escape);
    key(c().TextEnter, QEvent::KeyRelease, Qt::Key_Escape, true);
    key(c().TextEnter, QEvent::KeyPress, Qt::Key_Escape, true);
    key(c().TextEnter, QEvent::KeyRelease, Qt::Key_Escape);
    key(c().TextEnter, QEvent::KeyPress, Qt::Key_Escape);
    settle();
    EXPECT_TRUE(endings.empty());
    key(c().CheckLetter, QEvent::KeyRelease, Qt::Key_Escape);
    settle();
    EXPECT_EQ(endings, std::vector<int>({0}));
    EXPECT_FALSE(c().Timer1->isActive());
}

TEST_F(WindowTest, AnEscapeReleasedJustBeforeABoxOpensIsForgotten)
{
    open();
    typeAndEnter(QStringLiteral("a"));
    whenBoxOpens<QMessageBox>([](QMessageBox *box) {
        settle(150);
        box->accept();
    });
    key(c().TextEnter, QEvent::KeyPress, Qt::Key_Escape);
    key(c().TextEnter, QEvent::KeyRelease, Qt::Key_Escape);
    typeAndEnter(QStringLiteral("n"));
    settle();
    EXPECT_TRUE(endings.empty());
    EXPECT_EQ(text(c().LabelScore) + u' ' + text(c().LabelTime), "4 95");
}

TEST_F(WindowTest, GameOverStopsTheClockAndACancelledNameBoxStillTakesThePlace)
{
    writeScores({"Ann", "Ben", "Cy", "Di", "Ed"}, {"40", "30", "20", "10", "0"});
    open();
    typeAndEnter(QStringLiteral("a"));
    c().LabelLives->setText(QStringLiteral("1"));
    bool clockRan = true;
    QString clockInBox;
    whenBoxOpens<QInputDialog>([&](QInputDialog *box) {
        clockRan = c().Timer1->isActive();
        ticks(3);
        clockInBox = text(c().LabelTime);
        box->reject();
    });
    typeAndEnter(QStringLiteral("z"));
    EXPECT_FALSE(clockRan);
    EXPECT_EQ(clockInBox, "100") << "no tick reaches the rules while the box is open";
    EXPECT_EQ(scoreFile(), crlfLines({"Ann", "Ben", "Cy", "Di", "I'm Stupid", "40", "30", "20", "10", "1"}));
    EXPECT_EQ(text(c().Hn[4]) + u' ' + text(c().LabelLives), "I'm Stupid 10");
    EXPECT_TRUE(c().Timer1->isActive()) << "the new game's clock";

    const QByteArray before = scoreFile();
    window->close();
    EXPECT_EQ(endings, std::vector<int>({0})) << "closing the window ends the program, writing nothing";
    EXPECT_EQ(scoreFile(), before);
}

TEST_F(WindowTest, AMissingOrDamagedFileIsShownByNameAndEndsTheProgram)
{
    QString message;
    bool clockStopped = false;
    whenBoxOpens<QMessageBox>([&](QMessageBox *box) {
        message = box->text();
        clockStopped = !c().Timer1->isActive();
        box->accept();
    });
    open();
    writeFile(QStringLiteral("database/hscores.txt"), "Ann\r\nBen\r\n");
    c().LabelLives->setText(QStringLiteral("1"));
    typeAndEnter(QStringLiteral("z"));
    EXPECT_THAT(message.toStdString(), HasSubstr("hscores.txt, line 3: the file ends here"));
    EXPECT_TRUE(clockStopped) << "no tick may reach the rules while the error is shown";
    EXPECT_EQ(endings, std::vector<int>({1}));
}

} // namespace

int main(int argc, char **argv)
{
    // Widgets without a display: the real window has a test of its own.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nomilo"));
    // A steady text cursor, so every picture of the letter box is the same.
    QApplication::setCursorFlashTime(0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
