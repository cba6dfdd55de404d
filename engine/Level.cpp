#include "engine/Level.h"

#include <QTextBoundaryFinder>

namespace {

// A letter as it is compared: case does not count (a final sigma is a
// sigma), nor whether an accent was typed apart from its letter.
QString folded(const QString &letter)
{
    return letter.normalized(QString::NormalizationForm_C).toCaseFolded().normalized(QString::NormalizationForm_C);
}

bool showsFromTheStart(const QString &letter)
{
    return letter == u" " || letter == u"-" || letter == u"'";
}

} // namespace

QStringList Level::lettersOf(const QString &text)
{
    QStringList letters;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = graphemes.toNextBoundary(); end != -1; end = graphemes.toNextBoundary()) {
        letters << text.sliced(start, end - start);
        start = end;
    }
    return letters;
}

Level::Level(Player player)
    : player_(std::move(player))
    , letters_(lettersOf(player_.name))
{
    for (const QString &letter : letters_)
        shown_ << (showsFromTheStart(letter) ? letter : QStringLiteral("."));
}

int Level::hiddenCount() const
{
    int hidden = 0;
    for (qsizetype index = 0; index < letters_.size(); ++index)
        hidden += shown_[index] == letters_[index] ? 0 : 1;
    return hidden;
}

bool Level::wasTried(const QString &letter) const
{
    return !letter.isEmpty() && remembered_.contains(folded(letter));
}

GuessResult Level::guess(const QString &letter)
{
    // Judged before it is remembered: a new letter scores once however often
    // it occurs; a repeated one costs a life even where it reveals something.
    const bool isNew = !wasTried(letter);
    const QString guessed = folded(letter);
    bool found = false;
    for (qsizetype index = 0; index < letters_.size(); ++index) {
        if (folded(letters_[index]) == guessed) {
            shown_[index] = letters_[index];
            found = true;
        }
    }
    tried_ << letter;
    if (remembered_.size() < kRememberedLetters)
        remembered_ << guessed;
    if (!isNew)
        return GuessResult::AlreadyTried;
    return found ? GuessResult::Found : GuessResult::Missed;
}
