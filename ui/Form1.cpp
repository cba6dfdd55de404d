#include "ui/Form1.h"

#include "ui/Colours.h"
#include "ui/Pictures.h"

#include <QCloseEvent>
#include <QGridLayout>
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
#include <QTimer>

namespace {

QIcon trophyIcon()
{
    // The 256-colour trophy with its mask, and larger sizes for dense screens
    // (the largest serve only the installed desktop icon: the window manager
    // would be sent them all at start).
    QIcon icon;
    for (const Picture *size : {&pictures::trophy32, &pictures::trophy48, &pictures::trophy64})
        icon.addPixmap(QPixmap::fromImage(size->image()));
    return icon;
}

// Room beside a box's title for its icon and the window manager's buttons.
constexpr int kTitleBarAllowance = 140;

bool isEnterKey(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

Form1::Form1(DataFiles files, RandomSource &random, QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , controls_(createForm1Controls(this))
    , game_(*this, random, std::move(files))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kTitle);
    setWindowIcon(trophyIcon());
    setFixedSize(488, 344);

    // A released Escape counts once it is clear no repeated press follows.
    escapeRelease_.setSingleShot(true);
    escapeRelease_.setInterval(kEscapeSettleMs);
    connect(&escapeRelease_, &QTimer::timeout, this, [this] {
        escapePressedHere_ = false;
        Form_KeyUp(kEscapeKeyCode);
    });

    // Key preview: the window sees every key before the control with the focus.
    installEventFilter(this);
    controls_.TextEnter->installEventFilter(this);
    controls_.CheckLetter->installEventFilter(this);

    connect(controls_.CheckLetter, &QPushButton::clicked, this, [this] { run([this] { game_.CheckLetter_Click(); }); });
    // The default button: Enter in the letter box clicks it.
    connect(controls_.TextEnter, &QLineEdit::returnPressed, controls_.CheckLetter, &QPushButton::click);
    // Only the player's edits arrive here; the game raises the change itself
    // for the texts it writes.
    connect(controls_.TextEnter, &QLineEdit::textEdited, this, [this] { run([this] { game_.TextEnter_Change(); }); });
    connect(controls_.Timer1, &QTimer::timeout, this, [this] { run([this] { game_.Timer1_Timer(); }); });
}

template <typename Handler>
void Form1::run(Handler handler)
{
    if (ended_)
        return;
    try {
        handler();
    } catch (const std::exception &error) {
        controls_.Timer1->stop();
        QMessageBox box(QMessageBox::Critical, Game::kAppTitle,
                        QStringLiteral("Nomilo cannot go on.\n\n%1").arg(QString::fromStdString(error.what())),
                        QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        execModal(box);
        End(1);
    }
}

void Form1::End(int status)
{
    if (ended_)
        return;
    ended_ = true;
    controls_.Timer1->stop();
    escapeRelease_.stop();
    emit ended(status);
}

void Form1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    activateWindow();
    controls_.TextEnter->setFocus();
    // The game starts once the window is on screen, whether or not a window
    // manager ever hands it the focus.
    QTimer::singleShot(0, this, [this] { run([this] { game_.Form_Activate(); }); });
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    End(0);
}

void Form1::paintEvent(QPaintEvent *)
{
    // At its natural size from the top-left corner: never scaled or tiled.
    QPainter painter(this);
    painter.drawImage(0, 0, pictures::background.image());
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
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

void Form1::Form_KeyUp(int KeyCode)
{
    if (KeyCode == kEscapeKeyCode)
        End(0);
}

QLabel *Form1::labelFor(Label label) const
{
    switch (label) {
    case Label::NameHiden: return controls_.LabelNameHiden;
    case Label::NameFrom: return controls_.LabelNameFrom;
    case Label::Entered: return controls_.Entered;
    case Label::Lives: return controls_.LabelLives;
    case Label::Score: return controls_.LabelScore;
    case Label::Time: return controls_.LabelTime;
    default: break;
    }
    // The high-score rows: names Hn1..Hn5, then scores Hs1..Hs5.
    const auto row
        = [label](Label first) { return static_cast<std::size_t>(static_cast<int>(label) - static_cast<int>(first)); };
    return label < Label::Hs1 ? controls_.Hn.at(row(Label::Hn1)) : controls_.Hs.at(row(Label::Hs1));
}

QString Form1::caption(Label label) const
{
    return labelFor(label)->text();
}

void Form1::setCaption(Label label, const QString &text)
{
    labelFor(label)->setText(displayText(text));
}

void Form1::setBackColor(Painted control, Bgr colour)
{
    setBackground(
        control == Painted::TextEnter ? static_cast<QWidget *>(controls_.TextEnterFrame) : controls_.LabelTime, colour);
}

QString Form1::enterText() const
{
    return controls_.TextEnter->text();
}

void Form1::setEnterText(const QString &text)
{
    controls_.TextEnter->setText(text);
}

void Form1::focusEnterText()
{
    controls_.TextEnter->setFocus();
}

void Form1::setTimerInterval(int milliseconds)
{
    if (milliseconds > 0)
        controls_.Timer1->start(milliseconds);
    else
        controls_.Timer1->stop();
}

int Form1::execModal(QDialog &box)
{
    escapeRelease_.stop();
    escapePressedHere_ = false;
    const int result = box.exec();
    escapePressedHere_ = false;
    return result;
}

void Form1::messageBox(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, displayText(text), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    // A box sizes itself to its text alone; keep it wide enough for a title
    // like "Congratulations!!!" over a short name.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const int titleWidth = box.fontMetrics().horizontalAdvance(title) + kTitleBarAllowance;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0,
                      1, grid->columnCount());
    }
    execModal(box);
}

QString Form1::inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    QInputDialog box(this);
    box.setWindowTitle(title);
    box.setLabelText(displayText(prompt));
    if (auto *label = box.findChild<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    box.setTextValue(defaultText);
    return execModal(box) == QDialog::Accepted ? box.textValue() : QString();
}

void Form1::pause(int milliseconds)
{
    // The finished name must be on screen before the thread blocks; repaint()
    // paints and flushes at once, without handling any pending event.
    repaint();
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}
