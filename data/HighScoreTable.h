#pragma once

#include <QString>

#include <array>
#include <optional>

// One place of the table. The score is ranked as a number but kept as the
// text the file holds, so a table edited by hand is shown and written back
// exactly as it was read.
struct HighScore {
    QString name;
    QString scoreText;
    double points = 0;
};

// The five best scores, best first.
class HighScoreTable {
public:
    static constexpr int kPlaces = 5;
    using Places = std::array<HighScore, kPlaces>;

    // Five places with no name and 0 points: the table before any game.
    HighScoreTable();
    explicit HighScoreTable(const Places &places);

    const Places &places() const { return places_; }

    // The place (1 = best) that a final score earns, or none. Only the last
    // place decides whether there is one, and ties go against the new score.
    // A table edited out of order is searched upward from the last place to
    // the first score at least as high, and never sorted.
    std::optional<int> placeFor(int score) const;

    // Enters the score at the place it earns: the places below move down one
    // and the last one drops out. Returns the place, or none.
    std::optional<int> place(const QString &name, int score);

private:
    Places places_;
};
