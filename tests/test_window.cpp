#include "FakeScreen.h"
#include "ui/Colours.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The window on its own program folder, shown and started as at program start.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(dir.path() + QStringLiteral("/database/data.txt"),
                  "<------------------------Testland\r\nAnna\r\n<--END-->\r\n");
        writeFile(dir.path() + QStringLiteral("/database/hscores.txt"),
                  "Ann\r\nBen\r\nCy\r\nDi\r\nEd\r\n40\r\n30\r\n20\r\n10\r\n5\r\n");
    }
    void open()
    {
        window = std::make_unique<Form1>(dir.path(), random);
        QObject::connect(window.get(), &Form1::ended, [this](int status) { endings.push_back(status); });
        window->show();
        QCoreApplication::processEvents();
    }
    const Form1Controls &c() const { return window->controls(); }

    // Runs `act` on the next modal box as soon as it is open.
    template <typename Box>
    void whenBoxOpens(std::function<void(Box *)> act)
    {
        auto *poll = new QTimer();
        QObject::connect(poll, &QTimer::timeout, [poll, act] {
            if (auto *box = qobject_cast<Box *>(QApplication::activeModalWidget())) {
                poll->deleteLater();
                poll->stop();
                act(box);
            }
        });
        poll->start(5);
    }

    void key(QWidget *target, QEvent::Type type, int key, bool autoRepeat = false, const QString &text = {})
    {
        QKeyEvent event(type, key, Qt::NoModifier, text, autoRepeat);
        QApplication::sendEvent(target, &event);
    }
    // Lets the window's short timers run out.
    static void settle()
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 200)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    void typeAndEnter(const QString &letter)
    {
        key(c().TextEnter, QEvent::KeyPress, letter.at(0).toUpper().unicode(), false, letter);
        key(c().TextEnter, QEvent::KeyPress, Qt::Key_Return);
    }

    QTemporaryDir dir;
    PlannedRandom random;
    std::unique_ptr<Form1> window;
    std::vector<int> endings; // exit statuses the window asked for
};

TEST_F(WindowTest, EveryControlStandsWhereTheLayoutPutsIt)
{
    open();
    EXPECT_EQ(window->windowTitle(), "Nomilo v1.05  [03-06-27]");
    EXPECT_EQ(window->size(), QSize(488, 344));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "fixed size";
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);

    const std::vector<std::pair<QWidget *, QRect>> layout = {
        {c().LabelNameHiden, {8, 8, 473, 105}},  {c().CheckLetter, {8, 120, 81, 17}},
        {c().LabelNameFrom, {96, 120, 385, 17}}, {c().TextEnter, {8, 136, 81, 19}},
        {c().Entered, {96, 136, 385, 17}},       {c().Label2, {8, 160, 81, 17}},
        {c().Label7, {96, 160, 265, 17}},        {c().Label5, {368, 160, 113, 17}},
        {c().LabelLives, {8, 176, 81, 57}},      {c().LabelScore, {96, 176, 265, 57}},
        {c().LabelTime, {368, 176, 113, 57}},    {c().Label3, {8, 240, 233, 17}},
        {c().Label1, {248, 240, 233, 97}},       {c().Hn[0], {8, 256, 177, 17}},
        {c().Hs[0], {184, 256, 57, 17}},         {c().Hn[4], {8, 320, 177, 17}},
        {c().Hs[4], {184, 320, 57, 17}},
    };
    for (const auto &[widget, rect] : layout)
        EXPECT_EQ(widget->geometry(), rect) << widget->objectName().toStdString();
    EXPECT_EQ(window->findChildren<QLabel *>().size(), 21);
    EXPECT_EQ(c().Label1->text(),
              "Scoring points:\nIf you guess the right letter = 1 point\n"
              "Next level = 2 points, 2 lives\n\nStarting time is 100sec -5sec for every level passed");
    EXPECT_EQ(c().Label2->text(), "Number of lives");
    EXPECT_EQ(c().CheckLetter->text(), "Enter letter");
}

TEST_F(WindowTest, ColoursFontsAndFramesFollowTheStyleTable)
{
    open();
    const auto background = [](QWidget *w) { return w->palette().color(QPalette::Window); };
    const auto text = [](QWidget *w) { return w->palette().color(QPalette::WindowText); };
    EXPECT_EQ(background(c().Label2), QColor(64, 62, 111));
    EXPECT_EQ(text(c().Label2), QColor(236, 236, 247));
    EXPECT_EQ(background(c().LabelNameFrom), QColor(1, 1, 105));
    EXPECT_EQ(background(c().LabelLives), QColor(224, 224, 224));
    EXPECT_EQ(background(c().Entered), QColor(192, 192, 192));
    EXPECT_EQ(background(c().Hn[0]), QColor(234, 255, 239));
    EXPECT_EQ(background(c().Hs[1]), QColor(255, 255, 255));
    EXPECT_FALSE(c().LabelNameHiden->autoFillBackground()) << "the picture shows through the name";
    EXPECT_TRUE(c().Hs[4]->autoFillBackground());
    EXPECT_EQ(c().LabelNameHiden->frameShape(), QFrame::Box);
    EXPECT_EQ(c().LabelNameHiden->frameShadow(), QFrame::Plain);
    EXPECT_EQ(c().Label2->frameShape(), QFrame::NoFrame);
    EXPECT_THAT(c().TextEnter->styleSheet().toStdString(), HasSubstr("#c0c0c0"));

    // Courier New is not on a Debian machine; its metric twin must stand in,
    // or the masked name and the counters would not fit their boxes.
    const QFont name = c().LabelNameHiden->font();
    EXPECT_TRUE(QFontInfo(name).fixedPitch()) << QFontInfo(name).family().toStdString();
    EXPECT_TRUE(name.bold());
    EXPECT_EQ(QFontInfo(name).pixelSize(), 48);
    EXPECT_NEAR(QFontMetricsF(name).horizontalAdvance(u'M'), 28.8, 0.6) << "Courier's 0.6 em advance";
    EXPECT_EQ(QFontInfo(c().LabelTime->font()).pixelSize(), 51);
    const QFont letter = c().TextEnter->font();
    EXPECT_EQ(QFontInfo(letter).pixelSize(), 15);
    EXPECT_TRUE(letter.bold());
    EXPECT_FALSE(QFontInfo(letter).fixedPitch());
    EXPECT_NEAR(QFontMetricsF(letter).horizontalAdvance(QStringLiteral("Wa")), 22.6, 1.0) << "Arial Bold's widths";
}

TEST_F(WindowTest, ItOpensCentredShowsFileTextsPlainAndColoursTheClock)
{
    writeFile(dir.path() + QStringLiteral("/database/data.txt"),
              "<------------------------<b>Land</b>\r\nAnna\r\n<--END-->\r\n");
    open();
    const QPoint offCentre = window->geometry().center() - window->screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 8) << "centred, give or take the frame";
    EXPECT_EQ(c().LabelNameFrom->text(), "This player is from <b>Land</b>");
    EXPECT_EQ(c().LabelNameFrom->textFormat(), Qt::PlainText) << "a name from a file is never markup";

    const auto tick = [this](int count) {
        for (int i = 0; i < count; ++i)
            QMetaObject::invokeMethod(window->controls().Timer1, "timeout");
    };
    const auto clockColour = [this] { return c().LabelTime->palette().color(QPalette::Window); };
    tick(95);
    EXPECT_EQ(c().LabelTime->text(), "5");
    EXPECT_EQ(clockColour(), QColor(255, 192, 192));
    tick(5);
    EXPECT_EQ(c().LabelTime->text(), "0");
    EXPECT_EQ(clockColour(), QColor(255, 0, 0));
    EXPECT_EQ(c().LabelLives->text(), "9");
}

TEST_F(WindowTest, OnlyTheLetterBoxAndButtonTakeTheFocusInThatOrder)
{
    open();
    EXPECT_EQ(QApplication::focusWidget(), c().TextEnter);
    EXPECT_EQ(c().TextEnter->nextInFocusChain(), c().CheckLetter);
    for (QLabel *label : window->findChildren<QLabel *>())
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << label->objectName().toStdString();
    EXPECT_EQ(c().TextEnter->maxLength(), 1);
    EXPECT_EQ(c().TextEnter->accessibleName(), "Letter");
    EXPECT_EQ(c().LabelTime->accessibleDescription(), "Seconds left");
}

TEST_F(WindowTest, TheGameStartsOnceWhenTheWindowOpens)
{
    open();
    EXPECT_EQ(c().LabelNameHiden->text(), "....");
    EXPECT_EQ(c().LabelNameFrom->text(), "This player is from Testland");
    EXPECT_EQ(c().LabelLives->text(), "10");
    EXPECT_EQ(c().LabelTime->text(), "100");
    EXPECT_EQ(c().Hn[0]->text(), "Ann");
    EXPECT_EQ(c().Hs[4]->text(), "5");
    EXPECT_TRUE(c().Timer1->isActive());
    EXPECT_EQ(c().Timer1->interval(), 1000);

    typeAndEnter(QStringLiteral("z"));
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activate);
    window->hide();
    window->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(c().Entered->text(), "z,") << "showing the window again starts no new game";
    EXPECT_EQ(c().LabelLives->text(), "9");
}

TEST_F(WindowTest, EnterInTheLetterBoxGuessesAndRepeatsTurnTheBoxRed)
{
    open();
    typeAndEnter(QStringLiteral("a"));
    EXPECT_EQ(c().LabelNameHiden->text(), "A..a");
    EXPECT_EQ(c().Entered->text(), "a,");
    EXPECT_EQ(c().LabelScore->text(), "1");
    EXPECT_TRUE(c().TextEnter->text().isEmpty());
    EXPECT_THAT(c().TextEnter->styleSheet().toStdString(), HasSubstr("#ffffff"));

    key(c().TextEnter, QEvent::KeyPress, Qt::Key_A, false, QStringLiteral("A"));
    EXPECT_THAT(c().TextEnter->styleSheet().toStdString(), HasSubstr("#ffc0c0"));
    key(c().TextEnter, QEvent::KeyPress, Qt::Key_B, false, QStringLiteral("b"));
    EXPECT_EQ(c().TextEnter->text(), "A") << "the box holds one character";

    // Holding Enter repeats the press: only the first one guesses.
    key(c().TextEnter, QEvent::KeyPress, Qt::Key_Return);
    EXPECT_EQ(c().LabelLives->text(), "9");
    key(c().TextEnter, QEvent::KeyPress, Qt::Key_A, false, QStringLiteral("a"));
    key(c().TextEnter, QEvent::KeyPress, Qt::Key_Return, true);
    EXPECT_EQ(c().LabelLives->text(), "9");
    EXPECT_EQ(c().Entered->text(), "a,A,");
}

TEST_F(WindowTest, TheCongratulationsBoxHoldsTheClock)
{
    open();
    typeAndEnter(QStringLiteral("a"));
    QString title;
    QString text;
    whenBoxOpens<QMessageBox>([&](QMessageBox *box) {
        title = box->windowTitle();
        text = box->text();
        for (int tick = 0; tick < 5; ++tick)
            QMetaObject::invokeMethod(window->controls().Timer1, "timeout");
        box->accept();
    });
    typeAndEnter(QStringLiteral("n"));
    EXPECT_EQ(title, "Congratulations!!!");
    EXPECT_EQ(text, "Anna");
    EXPECT_EQ(c().LabelScore->text(), "4");
    EXPECT_EQ(c().LabelLives->text(), "12") << "no life lost to ticks while the box was open";
    EXPECT_EQ(c().LabelTime->text(), "95");
    EXPECT_TRUE(c().Timer1->isActive());
}

TEST_F(WindowTest, OnlyAnEscapePressedAndReleasedInTheWindowEndsTheProgram)
{
    open();
    // Released without a press here: the press closed a box.
    key(c().TextEnter, QEvent::KeyRelease, Qt::Key_Escape);
    EXPECT_TRUE(endings.empty());
    // Held down: repeated presses and releases do nothing.
    key(c().TextEnter, QEvent::KeyPress, Qt::Key_Escape);
    key(c().TextEnter, QEvent::KeyRelease, Qt::Key_Escape, true);
    key(c().TextEnter, QEvent::KeyPress, Qt::Key_Escape, true);
    EXPECT_TRUE(endings.empty());
    // X11 may not mark a held key's releases as repeats; the press that
    // follows at once gives them away.
    key(c().TextEnter, QEvent::KeyRelease, Qt::Key_Escape);
    key(c().TextEnter, QEvent::KeyPress, Qt::Key_Escape);
    settle();
    EXPECT_TRUE(endings.empty());
    // The real release, on the button this time, ends the program.
    key(c().CheckLetter, QEvent::KeyRelease, Qt::Key_Escape);
    settle();
    ASSERT_EQ(endings.size(), 1u);
    EXPECT_EQ(endings.at(0), 0);
    EXPECT_FALSE(c().Timer1->isActive());
}

TEST_F(WindowTest, ClosingTheWindowEndsTheProgramWithoutWriting)
{
    open();
    const QString scores = dir.path() + QStringLiteral("/database/hscores.txt");
    QFile file(scores);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    window->close();
    ASSERT_EQ(endings.size(), 1u);
    EXPECT_EQ(endings.at(0), 0);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST_F(WindowTest, AMissingPlayerDatabaseIsReportedByPathAndEndsWithAnError)
{
    QFile::remove(dir.path() + QStringLiteral("/database/data.txt"));
    QString message;
    whenBoxOpens<QMessageBox>([&](QMessageBox *box) {
        message = box->text();
        box->accept();
    });
    open();
    for (int i = 0; i < 200 && endings.empty(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_THAT(message.toStdString(), HasSubstr((dir.path() + QStringLiteral("/database/data.txt")).toStdString()));
    ASSERT_EQ(endings.size(), 1u);
    EXPECT_EQ(endings.at(0), 1);
}

TEST_F(WindowTest, AFileDamagedDuringPlayStopsTheClockAndEndsWithAnError)
{
    open();
    writeFile(dir.path() + QStringLiteral("/database/hscores.txt"), "Ann\r\nBen\r\n");
    c().LabelLives->setText(QStringLiteral("1"));
    QString message;
    bool clockStopped = false;
    whenBoxOpens<QMessageBox>([&](QMessageBox *box) {
        message = box->text();
        clockStopped = !window->controls().Timer1->isActive();
        box->accept();
    });
    typeAndEnter(QStringLiteral("z"));
    EXPECT_THAT(message.toStdString(), HasSubstr("hscores.txt, line 3: the file ends here"));
    EXPECT_TRUE(clockStopped) << "no tick may reach the rules while the error is shown";
    ASSERT_EQ(endings.size(), 1u);
    EXPECT_EQ(endings.at(0), 1);
}

} // namespace

int main(int argc, char **argv)
{
    // Widgets without a display: the real window has a test of its own.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nomilo"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
