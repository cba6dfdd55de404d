#pragma once

#include <QString>

#include <array>
#include <stdexcept>

struct HighScoreEntry {
    QString Name;
    QString Score; // decimal text, compared as a number
};

// Places 1 to 5, best first, and entry 0: a sentinel above place 1 whose score
// no game can reach, so a score that beats place 5 always finds its place.
struct HighScoreTable {
    static constexpr int kPlaces = 5;
    static inline const QString kSentinelScore = QStringLiteral("34999");

    std::array<HighScoreEntry, kPlaces + 1> HighScores;

    HighScoreEntry &operator[](int index) { return HighScores.at(static_cast<std::size_t>(index)); }
    const HighScoreEntry &operator[](int index) const { return HighScores.at(static_cast<std::size_t>(index)); }
};

// Saving failed; the file on disk is still the old one.
class SaveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the high-score file: five name lines, then five score lines; lines
// after the tenth are ignored. A missing file is a first run: five empty names
// with 0 points. Throws DataError naming the file and line when the file is
// short or a score is not a number. The sentinel is set after every read.
HighScoreTable readHighScoreFile(const QString &path);

// Rewrites the file from places 1 to 5, each line ending in CR LF. The file is
// replaced whole or not at all; throws SaveError naming the file and reason.
void writeHighScoreFile(const QString &path, const HighScoreTable &table);
