#pragma once

#include <QPushButton>

// A push button that shows when it has the keyboard focus. The style draws
// the window's default button the same with the focus as without it, so a
// keyboard player could not see the focus arrive after Tab.
class FocusMarkedButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
