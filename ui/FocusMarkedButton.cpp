#include "ui/FocusMarkedButton.h"

#include "ui/Colours.h"

#include <QPainter>

namespace {

// The mark runs inside the button's frame, around its text.
constexpr int kInset = 2;

} // namespace

void FocusMarkedButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(QColor(colour::kDeepBlue), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(kInset, kInset, -kInset - 1, -kInset - 1));
}
