#pragma once

#include <QAccessible>
#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

// Has a screen reader speak short reports, without moving the focus. From
// Qt 6.8 on each is an announcement, Qt's own call for it. Older Qt has no
// such call (and sends its own description changes without their text), so
// there each is told as a new description of the widget with the focus,
// which screen readers speak, sent as the accessibility bus (AT-SPI) carries
// it, on Qt's own connection to that bus.
class ScreenReader : public QObject, public QAccessible::ActivationObserver {
    Q_OBJECT

public:
    // How a report takes its turn with what the screen reader is saying.
    enum class Urgency {
        Polite,    // after it: what a move of the player's own brought
        Assertive, // at once, cutting it short: what the player did not ask for and must hear now
    };

    explicit ScreenReader(QWidget *window);
    ~ScreenReader() override;

    // Spoken once the window is active and the screen reader has caught up
    // with its focus; until then kept, in place of any report kept before
    // (each tells where the game stands).
    void say(const QString &text, Urgency urgency = Urgency::Polite);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void accessibilityActiveChanged(bool active) override;
    void sayWhatWaits();

    QWidget *window_;
    QString waiting_;
    Urgency waitingUrgency_ = Urgency::Polite;
    bool missedTheFocus_ = false;
    // After the window is activated, screen readers first announce it and
    // its focused widget; a report sent sooner is dropped.
    QTimer settling_;
};
