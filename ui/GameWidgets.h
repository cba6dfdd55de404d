#pragma once

#include "data/HighScoreTable.h"

#include <QFont>
#include <QRgb>
#include <QString>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

// The main window's widgets the game shows itself in. The window owns them
// through Qt's parent-child tree.
struct GameWidgets {
    QLabel *maskedName = nullptr;
    QPushButton *guessButton = nullptr;
    QLabel *origin = nullptr;
    QLineEdit *letterBox = nullptr;
    QFrame *letterBoxFrame = nullptr; // the letter box's frame and colour
    QLabel *triedLetters = nullptr;
    QLabel *lives = nullptr;
    QLabel *score = nullptr;
    QLabel *secondsLeft = nullptr;
    std::array<QLabel *, HighScoreTable::kPlaces> highScoreNames{};
    std::array<QLabel *, HighScoreTable::kPlaces> highScorePoints{};
    QTimer *clock = nullptr;
};

// Creates the window's widgets with their layout and look, the headings and
// the rules box included, in pixels at 96 dots per inch (Qt scales them on
// denser screens).
GameWidgets createGameWidgets(QWidget *window);

// Paints a widget's background in this colour.
void setBackground(QWidget *widget, QRgb colour);

// Shows the masked name in the name label, in `largest` or, where it would not
// show whole in that, in the largest smaller letters in which it does.
void setMaskedName(QLabel *label, const QString &masked, QFont largest);
