#pragma once

#include "engine/Game.h"
#include "engine/GameScreen.h"
#include "ui/Form1Controls.h"

#include <QTimer>
#include <QWidget>

// The main window: shows the game and turns the player's keys, clicks and the
// clock into the game's events.
class Form1 : public QWidget, public GameScreen {
    Q_OBJECT

public:
    static inline const QString kTitle = QStringLiteral("Nomilo v1.05  [03-06-27]");
    static constexpr int kEscapeKeyCode = 27;
    // How long a released Escape waits for the repeated press of a held key.
    static constexpr int kEscapeSettleMs = 60;

    Form1(DataFiles files, RandomSource &random, QWidget *parent = nullptr);

    const Form1Controls &controls() const { return controls_; }
    Game &game() { return game_; }

    // The window's own key handler: sees every key release first.
    void Form_KeyUp(int KeyCode);

    // GameScreen
    QString caption(Label label) const override;
    void setCaption(Label label, const QString &text) override;
    void setBackColor(Painted control, Bgr colour) override;
    QString enterText() const override;
    void setEnterText(const QString &text) override;
    void focusEnterText() override;
    void setTimerInterval(int milliseconds) override;
    void messageBox(const QString &text, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
    void pause(int milliseconds) override;

signals:
    // The program must end now, with this exit status.
    void ended(int status);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    template <typename Handler>
    void run(Handler handler);
    void End(int status);
    QLabel *labelFor(Label label) const;
    // Opens a modal box: an Escape pressed before it opened must not end the
    // program when the player releases it to close the box.
    int execModal(QDialog &box);

    Form1Controls controls_;
    Game game_;
    bool activated_ = false;
    bool ended_ = false;
    bool escapePressedHere_ = false;
    QTimer escapeRelease_;
};
