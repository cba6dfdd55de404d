#include "ui/ScreenReader.h"

#include <QAccessibleEvent>
#include <QApplication>
#include <QWidget>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#endif

namespace {

constexpr int kSettleMs = 500;

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
void announce(QWidget *widget, const QString &text, ScreenReader::Urgency urgency)
{
    QAccessibleAnnouncementEvent announcement(widget, text);
    announcement.setPoliteness(urgency == ScreenReader::Urgency::Assertive
                                   ? QAccessible::AnnouncementPoliteness::Assertive
                                   : QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&announcement);
}
#else
// The change of `widget`'s description to `text`, as AT-SPI carries it: the
// path Qt gives the widget's accessible object, and the new text as the
// event's data.
void sendDescription(QWidget *widget, const QString &text)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    const QDBusConnection bus(QStringLiteral("a11y")); // the name Qt gives its connection
    if (!accessible || !bus.isConnected())
        return;
    QDBusMessage change = QDBusMessage::createSignal(
        QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(accessible)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    change << QStringLiteral("accessible-description") << 0 << 0 << QVariant::fromValue(QDBusVariant(text))
           << QVariantMap();
    bus.send(change);
}

// Without announcements a report cannot cut the screen reader short.
void announce(QWidget *widget, const QString &text, ScreenReader::Urgency /*urgency*/)
{
    sendDescription(widget, text);
}
#endif

} // namespace

ScreenReader::ScreenReader(QWidget *window)
    : QObject(window)
    , window_(window)
{
    settling_.setSingleShot(true);
    settling_.setInterval(kSettleMs);
    connect(&settling_, &QTimer::timeout, this, &ScreenReader::sayWhatWaits);
    window->installEventFilter(this);
    QAccessible::installActivationObserver(this);
}

ScreenReader::~ScreenReader()
{
    QAccessible::removeActivationObserver(this);
}

void ScreenReader::say(const QString &text, Urgency urgency)
{
    waiting_ = text;
    waitingUrgency_ = urgency;
    if (!settling_.isActive())
        sayWhatWaits();
}

bool ScreenReader::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window_ && event->type() == QEvent::WindowActivate)
        settling_.start();
    return QObject::eventFilter(watched, event);
}

void ScreenReader::accessibilityActiveChanged(bool active)
{
    // A screen reader that comes after the window was activated missed which
    // widget has the focus: it is told again once Qt's side is ready.
    missedTheFocus_ = active;
    if (active)
        settling_.start();
}

void ScreenReader::sayWhatWaits()
{
    QWidget *focused = QApplication::focusWidget();
    if (!QAccessible::isActive() || !window_->isActiveWindow() || !focused || focused->window() != window_)
        return;
    if (std::exchange(missedTheFocus_, false)) {
        QAccessibleEvent focus(focused, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    if (!waiting_.isEmpty())
        announce(focused, std::exchange(waiting_, {}), waitingUrgency_);
}
