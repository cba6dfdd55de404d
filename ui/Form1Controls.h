#pragma once

#include "engine/GameScreen.h"

#include <QFont>
#include <QString>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

// The 24 controls of the main window, created with their layout and look.
// The window owns them through Qt's parent-child tree.
struct Form1Controls {
    QLabel *LabelNameHiden = nullptr; // the masked name
    QPushButton *CheckLetter = nullptr;
    QLabel *LabelNameFrom = nullptr;
    QLineEdit *TextEnter = nullptr;
    QFrame *TextEnterFrame = nullptr; // the letter box's frame and colour
    QLabel *Entered = nullptr;
    QLabel *Label2 = nullptr; // "Number of lives"
    QLabel *Label7 = nullptr; // "Score"
    QLabel *Label5 = nullptr; // "Time"
    QLabel *LabelLives = nullptr;
    QLabel *LabelScore = nullptr;
    QLabel *LabelTime = nullptr;
    QLabel *Label3 = nullptr;     // "High Scores"
    QLabel *Label1 = nullptr;     // the scoring rules
    std::array<QLabel *, 5> Hn{}; // Hn1..Hn5: names of places 1 to 5
    std::array<QLabel *, 5> Hs{}; // Hs1..Hs5: scores of places 1 to 5
    QTimer *Timer1 = nullptr;
};

// Creates every control as a child of the window, in pixels at 96 dots per
// inch (Qt scales them on denser screens).
Form1Controls createForm1Controls(QWidget *window);

// The font of the window's controls that have none of their own: a compact
// 11-pixel sans serif (Arial, or its metric twin). The layout's headings and
// button were sized for it; a desktop's wider default would clip them.
QFont defaultControlFont();

// A text as a label or box shows it: CR LF line breaks become Qt's.
QString displayText(const QString &text);

// The rules box text; its lines are joined by CR LF.
QString scoringRulesText();

// Pixel size of the fonts, and the exact styles, so tests can check them.
namespace form1font {
constexpr int kMaskedNamePx = 48; // Courier New 36 pt
constexpr int kCounterPx = 51;    // Courier New 38.25 pt
constexpr int kLetterBoxPx = 15;  // Arial 11.25 pt
} // namespace form1font

// Paints a widget's background in this colour.
void setBackground(QWidget *widget, Bgr colour);
