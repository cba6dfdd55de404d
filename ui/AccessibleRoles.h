#pragma once

#include <QFrame>

// The letter box's frame: a plain frame by look, a grouping to a screen
// reader. A plain QFrame would be a "frame", the role of a top-level window,
// inside which screen readers ignore the focus.
class LetterBoxFrame : public QFrame {
    Q_OBJECT

public:
    using QFrame::QFrame;
};

// Gives the main window and the letter box's frame the roles screen readers
// expect (a window, a grouping); once, before any widget is made.
void installAccessibleRoles();
