#include "ui/MainWindow.h"

#include "Release.h"
#include "ui/Colours.h"
#include "ui/Countries.h"
#include "ui/Fonts.h"
#include "ui/Pictures.h"
#include "ui/ScreenReader.h"
#include "ui/Spoken.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QIcon>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QThread>

#include <algorithm>

namespace {

// The bracket is part of the title as players have always known it.
const QString kTitle = QStringLiteral("%1 v%2  [03-06-27]").arg(release::kName, release::kVersion);
// Room beside a box's title for its icon and the window manager's buttons.
constexpr int kTitleBarAllowance = 140;

QIcon trophyIcon()
{
    // The 256-colour trophy with its mask, and larger sizes for dense screens
    // (the largest serve only the installed desktop icon: the window manager
    // would be sent them all at start).
    QIcon icon;
    for (const Picture *size : {&pictures::kTrophy32, &pictures::kTrophy48, &pictures::kTrophy64})
        icon.addPixmap(QPixmap::fromImage(size->image()));
    return icon;
}

bool isEnterKey(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

QString orApplicationName(const QString &title)
{
    return title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
}

QRgb clockColour(ClockWarning warning)
{
    switch (warning) {
    case ClockWarning::None: return colour::kLightGrey;
    case ClockWarning::LastSeconds: return colour::kLightRed;
    case ClockWarning::TimeUp: break;
    }
    return colour::kRed;
}

} // namespace

MainWindow::MainWindow(DataFiles files, RandomSource &random, QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , widgets_(createGameWidgets(this))
    , screenReader_(new ScreenReader(this))
    , translatesOrigins_(!files.ownList)
    , game_(*this, random, std::move(files))
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(kTitle);
    setWindowIcon(trophyIcon());
    // The background is cut to the window's size when the game is built.
    setFixedSize(pictures::kBackground.width, pictures::kBackground.height);

    // A released Escape counts once it is clear no repeated press follows.
    escapeRelease_.setSingleShot(true);
    escapeRelease_.setInterval(kEscapeSettleMs);
    connect(&escapeRelease_, &QTimer::timeout, this, [this] { end(0); });

    // Every key goes past the window first, whichever widget has the focus.
    installEventFilter(this);
    widgets_.letterBox->installEventFilter(this);
    widgets_.guessButton->installEventFilter(this);

    QLineEdit *letterBox = widgets_.letterBox;
    connect(widgets_.guessButton, &QPushButton::clicked, this,
            [this, letterBox] { play([&] { game_.guess(letterBox->text()); }); });
    // The default button: Enter in the letter box clicks it.
    connect(letterBox, &QLineEdit::returnPressed, widgets_.guessButton, &QPushButton::click);
    // Every change of the box's text, typed or written, reaches the game.
    connect(letterBox, &QLineEdit::textChanged, this,
            [this](const QString &text) { play([&] { game_.letterChanged(text); }); });
    connect(widgets_.clock, &QTimer::timeout, this, [this] { play([this] { game_.tick(); }); });
}

template <typename Move>
void MainWindow::play(Move move)
{
    if (ended_)
        return;
    try {
        move();
    } catch (const std::exception &error) {
        end(1, QString::fromUtf8(error.what()));
    }
}

void MainWindow::end(int status, const QString &why)
{
    if (ended_)
        return;
    // Nothing reaches the game from now on, not even while a box says why.
    ended_ = true;
    widgets_.clock->stop();
    escapeRelease_.stop();
    if (!why.isEmpty()) {
        QMessageBox box(QMessageBox::Critical, orApplicationName({}), tr("Nomilo cannot go on.\n\n%1").arg(why),
                        QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        execModal(box);
    }
    emit ended(status);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (started_)
        return;
    started_ = true;
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    activateWindow();
    widgets_.letterBox->setFocus();
    // The game starts once the window is on screen, whether or not a window
    // manager ever hands it the focus.
    QTimer::singleShot(0, this, [this] { play([this] { game_.start(); }); });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    end(0);
}

void MainWindow::paintEvent(QPaintEvent * /*event*/)
{
    // At its natural size from the top-left corner: never scaled or tiled.
    QPainter painter(this);
    painter.drawImage(0, 0, pictures::kBackground.image());
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool press = event->type() == QEvent::KeyPress;
    if (key->key() == Qt::Key_Escape) {
        if (press) {
            // A press right after a release means the key is held down and
            // repeating; X11 does not always mark such releases as repeats.
            escapeRelease_.stop();
            if (!key->isAutoRepeat())
                escapePressedHere_ = true;
        } else if (!key->isAutoRepeat() && escapePressedHere_) {
            // Only an Escape pressed in this window too: a press that closed
            // a box must not end the program on its release.
            escapeRelease_.start();
        }
        return true;
    }
    // Holding Enter after it closed a box must not fire guess after guess.
    if (press && key->isAutoRepeat() && isEnterKey(key))
        return true;
    return QWidget::eventFilter(watched, event);
}

void MainWindow::showHighScores(const HighScoreTable &table)
{
    for (std::size_t index = 0; index < table.places().size(); ++index) {
        const HighScore &place = table.places()[index];
        widgets_.highScoreNames.at(index)->setText(place.name);
        widgets_.highScorePoints.at(index)->setText(place.scoreText);
        // Read out as a table: "place 1, Ann", "40 points".
        widgets_.highScoreNames.at(index)->setAccessibleName(tr("place %1, %2").arg(index + 1).arg(place.name));
        // The score as the file writes it, its words in the number's form.
        widgets_.highScorePoints.at(index)->setAccessibleName(
            tr("%1 points", "a place's score", static_cast<int>(std::clamp(place.points, -1e9, 1e9)))
                .arg(place.scoreText));
    }
}

void MainWindow::showLevel(const Level &level, int seconds, Standing standing)
{
    // Each name starts at the normal size.
    setMaskedName(widgets_.maskedName, level.maskedName(), fonts::maskedName());
    widgets_.maskedName->setAccessibleDescription(spoken::maskedName(level));
    // The shipped list's countries in the player's language; a list of the
    // player's own as written.
    const QString origin = translatesOrigins_ ? countryName(level.origin()) : level.origin();
    //: %1: the player's country; the line must suit every country and players of either sex
    widgets_.origin->setText(tr("This player is from %1").arg(origin));
    widgets_.triedLetters->clear();
    screenReader_->say(spoken::level(level, origin, seconds, standing));
}

void MainWindow::showGuess(GuessResult result, const Level &level, Standing standing)
{
    QString tried;
    for (const QString &letter : level.triedLetters())
        tried += letter + u',';
    widgets_.triedLetters->setText(tried);
    // Never larger within a level: a letter found after a hyphen is a new
    // place to break the line, and the name would jump.
    setMaskedName(widgets_.maskedName, level.maskedName(), widgets_.maskedName->font());
    widgets_.maskedName->setAccessibleDescription(spoken::maskedName(level));
    screenReader_->say(spoken::guess(result, level, standing));
}

void MainWindow::showLives(int lives)
{
    widgets_.lives->setText(QString::number(lives));
    widgets_.lives->setAccessibleName(tr("%n lives", "the lives counter", lives));
}

void MainWindow::showScore(int score)
{
    widgets_.score->setText(QString::number(score));
    widgets_.score->setAccessibleName(tr("score %1").arg(score));
}

void MainWindow::showClock(int secondsLeft, ClockWarning warning)
{
    widgets_.secondsLeft->setText(QString::number(secondsLeft));
    widgets_.secondsLeft->setAccessibleName(tr("%n seconds left", "the clock", secondsLeft));
    setBackground(widgets_.secondsLeft, clockColour(warning));
}

void MainWindow::warnOfClock(ClockWarning warning, int secondsLeft)
{
    // Unasked for, and every second counts.
    screenReader_->say(spoken::clockWarning(secondsLeft, warning), ScreenReader::Urgency::Assertive);
}

void MainWindow::startClock()
{
    widgets_.clock->start(kTickMilliseconds);
}

void MainWindow::stopClock()
{
    widgets_.clock->stop();
}

void MainWindow::showLetterTried(bool tried)
{
    setBackground(widgets_.letterBoxFrame, tried ? colour::kLightRed : colour::kWhite);
    // Heard as it is typed, before Enter costs a life: once, not again for
    // the same letter in the other case.
    const QString letter = widgets_.letterBox->text();
    if (tried && std::exchange(triedLetterSaid_, letter.toCaseFolded()) != letter.toCaseFolded())
        screenReader_->say(spoken::alreadyTried(letter));
}

void MainWindow::clearLetterBox()
{
    triedLetterSaid_.clear();
    widgets_.letterBox->clear();
}

void MainWindow::focusLetterBox()
{
    widgets_.letterBox->setFocus();
}

int MainWindow::execModal(QDialog &box)
{
    escapeRelease_.stop();
    escapePressedHere_ = false;
    const int result = box.exec();
    escapePressedHere_ = false;
    return result;
}

void MainWindow::message(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, orApplicationName(title), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    // A box sizes itself to its text alone; keep it wide enough for a title
    // like "Congratulations!!!" over a short name.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const int titleWidth = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarAllowance;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0,
                      1, grid->columnCount());
    }
    execModal(box);
}

QString MainWindow::askName(const QString &prompt, const QString &defaultName)
{
    QInputDialog box(this);
    box.setWindowTitle(orApplicationName({}));
    box.setLabelText(prompt);
    if (auto *label = box.findChild<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    box.setTextValue(defaultName);
    return execModal(box) == QDialog::Accepted ? box.textValue() : QString();
}

void MainWindow::pause(int milliseconds)
{
    // The finished name must be on screen before the thread waits; repaint()
    // paints and flushes at once, without handling any pending event.
    repaint();
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}
