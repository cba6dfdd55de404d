#pragma once

#include "data/PlayerDatabase.h"

#include <QString>
#include <QStringList>

// How a guess went: a letter of the name not tried before in this level, a
// letter the name does not hold, or a letter tried before (in either case).
enum class GuessResult { Found, Missed, AlreadyTried };

// One level: the name to guess, how much of it shows, and the letters tried.
class Level {
public:
    // A level only remembers this many letters as tried; later ones still
    // count as new however often they come (and are still listed).
    static constexpr int kRememberedLetters = 1000;

    Level() = default;
    explicit Level(Player player);

    const QString &name() const { return player_.name; }
    const QString &origin() const { return player_.origin; }
    // The name with every letter not yet found shown as "."; spaces, hyphens
    // and apostrophes show from the start.
    QString maskedName() const { return maskedLetters().join(QString()); }
    const QStringList &maskedLetters() const { return shown_; }
    // How many letters are still to be found.
    int hiddenCount() const;
    // Every guess of the level in order, as typed.
    const QStringList &triedLetters() const { return tried_; }
    bool isComplete() const { return shown_ == letters_; }

    // A text's letters as the player sees them: each a character with any
    // accents on it, however many code units it takes.
    static QStringList lettersOf(const QString &text);

    // Whether the letter was tried before in this level, in either case.
    bool wasTried(const QString &letter) const;
    // Reveals every occurrence of the letter, in the name's own case.
    GuessResult guess(const QString &letter);

private:
    Player player_;
    QStringList letters_; // the name, letter by letter
    QStringList shown_;   // the same, "." for each hidden letter
    QStringList tried_;
    QStringList remembered_; // lower case
};
