#pragma once

#include "engine/GameScreen.h"
#include "engine/RandomSource.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <ostream>
#include <vector>

// Readable QStrings in test failures.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray &bytes, std::ostream *out)
{
    *out << '"' << QByteArray(bytes).replace("\r", "\\r").replace("\n", "\\n").toStdString() << '"';
}

// Records what the game shows, in place of the window.
class FakeScreen : public GameScreen {
public:
    struct Box {
        bool input;
        QString text;
        QString title;
        QString defaultText;
        int timerInterval; // the clock's interval while the box was open
    };

    QMap<Label, QString> captions;
    Bgr textEnterColour = 0xC0C0C0; // grey, as the window opens
    Bgr labelTimeColour = 0xE0E0E0;
    QString text;
    int focusCount = 0;
    int timerInterval = 0;
    std::vector<Box> boxes;
    std::vector<int> pauses;
    std::deque<QString> answers;          // typed into the name boxes, in turn
    std::function<void()> whileBoxIsOpen; // runs inside every box and pause

    QString caption(Label label) const override { return captions.value(label); }
    void setCaption(Label label, const QString &value) override { captions[label] = value; }
    void setBackColor(Painted control, Bgr colour) override
    {
        (control == Painted::TextEnter ? textEnterColour : labelTimeColour) = colour;
    }
    QString enterText() const override { return text; }
    void setEnterText(const QString &value) override { text = value; }
    void focusEnterText() override { ++focusCount; }
    void setTimerInterval(int milliseconds) override { timerInterval = milliseconds; }
    void messageBox(const QString &boxText, const QString &title) override
    {
        open({false, boxText, title, {}, timerInterval});
    }
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override
    {
        open({true, prompt, title, defaultText, timerInterval});
        const QString answer = answers.empty() ? QString() : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
    void pause(int milliseconds) override
    {
        pauses.push_back(milliseconds);
        if (whileBoxIsOpen)
            whileBoxIsOpen();
    }

    QString lives() const { return caption(Label::Lives); }
    QString score() const { return caption(Label::Score); }
    QString time() const { return caption(Label::Time); }
    QString masked() const { return caption(Label::NameHiden); }
    QString entered() const { return caption(Label::Entered); }
    QStringList highScoreRows() const
    {
        QStringList rows;
        for (int place = 1; place <= 5; ++place)
            rows << caption(highScoreNameLabel(place)) + u'|' + caption(highScoreLabel(place));
        return rows;
    }

private:
    void open(Box box)
    {
        boxes.push_back(std::move(box));
        if (whileBoxIsOpen)
            whileBoxIsOpen();
    }
};

// Draws the names in a planned order: each value is a fraction in [0, 1) that
// picks among the filled slots (0 the first); the last one repeats.
class PlannedRandom : public RandomSource {
public:
    explicit PlannedRandom(std::vector<double> fractions = {0.0})
        : fractions_(std::move(fractions))
    {
    }
    void Randomize() override { ++randomizeCount; }
    double Rnd() override { return fractions_[std::min(next_++, fractions_.size() - 1)]; }
    int randomizeCount = 0;

private:
    std::vector<double> fractions_;
    std::size_t next_ = 0;
};
