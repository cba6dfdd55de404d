#include "ui/AccessibleRoles.h"

#include "ui/MainWindow.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface *roleOf(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget && className == QLatin1String(LetterBoxFrame::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    if (widget && className == QLatin1String(MainWindow::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    static const bool kInstalled = (QAccessible::installFactory(roleOf), true);
    Q_UNUSED(kInstalled);
}
