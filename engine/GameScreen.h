#pragma once

#include <QString>

#include <cstdint>

// Labels whose captions the game writes, and the two it reads back: the lives
// and the seconds left are kept nowhere else than in their captions.
enum class Label {
    NameHiden,
    NameFrom,
    Entered,
    Lives,
    Score,
    Time,
    // Names of places 1 to 5.
    Hn1,
    Hn2,
    Hn3,
    Hn4,
    Hn5,
    // Scores of places 1 to 5.
    Hs1,
    Hs2,
    Hs3,
    Hs4,
    Hs5,
};

inline Label highScoreNameLabel(int place)
{
    return static_cast<Label>(static_cast<int>(Label::Hn1) + place - 1);
}
inline Label highScoreLabel(int place)
{
    return static_cast<Label>(static_cast<int>(Label::Hs1) + place - 1);
}

// The controls whose background colour the game changes.
enum class Painted { TextEnter, LabelTime };

// A colour stored blue-green-red: red in the low byte.
using Bgr = std::uint32_t;

namespace colour {
constexpr Bgr kWhite = 0xFFFFFF;
constexpr Bgr kLightRed = 0xC0C0FF;  // 255, 192, 192
constexpr Bgr kLightGrey = 0xE0E0E0; // 224, 224, 224
constexpr Bgr kRed = 0x0000FF;       // 255, 0, 0
} // namespace colour

// Everything the game needs from the window toolkit, and nothing more. The
// main window implements it with widgets; the tests with a recording fake.
class GameScreen {
public:
    virtual ~GameScreen() = default;

    virtual QString caption(Label label) const = 0;
    virtual void setCaption(Label label, const QString &text) = 0;
    virtual void setBackColor(Painted control, Bgr colour) = 0;

    // The letter box. Writing does not raise the change event: the game
    // raises it itself, so it runs exactly once per change of the text.
    virtual QString enterText() const = 0;
    virtual void setEnterText(const QString &text) = 0;
    virtual void focusEnterText() = 0;

    // Milliseconds between clock ticks; a positive value (re)starts the
    // period, 0 stops the clock.
    virtual void setTimerInterval(int milliseconds) = 0;

    // Modal boxes; line breaks in the texts are CR LF.
    virtual void messageBox(const QString &text, const QString &title) = 0;
    // Returns the text typed, or "" when the box is cancelled.
    virtual QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) = 0;

    // Shows the window as it is now, then blocks without handling any event.
    virtual void pause(int milliseconds) = 0;
};
