#pragma once

#include "engine/GameScreen.h"
#include "engine/RandomSource.h"

#include <QMap>
#include <QStringList>

#include <functional>
#include <ostream>

// Readable texts in test failures.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// Records what the game shows, in place of the window.
class FakeScreen : public GameScreen {
public:
    struct Box {
        bool input;
        QString text, title, defaultText;
        int timerInterval; // the clock's interval while the box was open
    };
    QMap<Label, QString> captions;
    QMap<Painted, Bgr> colours{{Painted::TextEnter, 0xC0C0C0}, {Painted::LabelTime, colour::kLightGrey}};
    QString text, answer; // in the letter box; typed into the next name box
    int focusCount = 0, timerInterval = 0;
    std::vector<Box> boxes;
    std::vector<int> pauses;
    std::function<void()> whileBoxIsOpen; // runs inside every box and pause

    QString caption(Label label) const override { return captions.value(label); }
    void setCaption(Label label, const QString &value) override { captions[label] = value; }
    void setBackColor(Painted control, Bgr colour) override { colours[control] = colour; }
    QString enterText() const override { return text; }
    void setEnterText(const QString &value) override { text = value; }
    void focusEnterText() override { ++focusCount; }
    void setTimerInterval(int milliseconds) override { timerInterval = milliseconds; }
    void messageBox(const QString &message, const QString &title) override { open({false, message, title, {}, 0}); }
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override
    {
        open({true, prompt, title, defaultText, 0});
        return std::exchange(answer, {});
    }
    void pause(int milliseconds) override { open({false, QString::number(milliseconds), "pause", {}, 0}); }

    QString lives() const { return caption(Label::Lives); }
    QString look(Painted control) const
    {
        const QMap<Bgr, QString> names{{colour::kWhite, "white"},
                                       {colour::kLightRed, "light red"},
                                       {colour::kRed, "red"},
                                       {colour::kLightGrey, "light grey"},
                                       {0xC0C0C0, "grey"}};
        return names.value(colours[control], QString::number(colours[control], 16));
    }
    // What the player sees at a glance.
    QString seen() const
    {
        return QStringLiteral("%1 [%2] lives %3 score %4 time %5 on %6, box %7")
            .arg(caption(Label::NameHiden), caption(Label::Entered), lives(), caption(Label::Score),
                 caption(Label::Time), look(Painted::LabelTime), look(Painted::TextEnter));
    }
    QString table() const
    {
        QStringList rows;
        for (int place = 1; place <= 5; ++place)
            rows << caption(highScoreNameLabel(place)) + u'|' + caption(highScoreLabel(place));
        return rows.join(u' ');
    }

private:
    void open(Box box)
    {
        box.timerInterval = timerInterval;
        boxes.push_back(box);
        whileBoxIsOpen ? whileBoxIsOpen() : void();
    }
};

// Draws the names in a planned order: each fraction in [0, 1) picks among the
// filled slots (0 the first); the last one repeats.
struct PlannedRandom : RandomSource {
    std::vector<double> fractions{0.0};
    std::size_t next = 0;
    int randomizeCount = 0;
    void Randomize() override { ++randomizeCount; }
    double Rnd() override { return fractions[std::min(next++, fractions.size() - 1)]; }
};
