#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>
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
    SaveError(const QString &path, const QString &reason);
};

// The file's ten lines: five names, then five scores; lines after the tenth
// are ignored. Throws DataError naming `path` and the line when the file is
// short or a score is not a number. The sentinel is set.
HighScoreTable parseHighScores(const QByteArray &bytes, const QString &path);

// Places 1 to 5 as the file holds them, each line ending in CR LF. Throws
// SaveError naming `path` when a value holds a line break, which would shift
// every later line.
QByteArray formatHighScores(const HighScoreTable &table, const QString &path);

// One player's high-score file. Until it exists, a starting table stands in
// for it: the shipped one, read but never written, or without one five empty
// places with 0 points. The first placement creates the file and its folder.
class HighScoreFile {
public:
    explicit HighScoreFile(QString path, QString startingPath = {});

    const QString &path() const { return path_; }
    HighScoreTable read() const;

    // One placement as one transaction, safe against other copies of the
    // game: under a lock beside the file, reads the table as it stands now,
    // lets `place` change it, and saves it when `place` returns true. Returns
    // whether it saved. Throws SaveError when the lock cannot be had or the
    // save fails (the file then stays as it was), DataError for a damaged file.
    bool update(const std::function<bool(HighScoreTable &)> &place) const;

private:
    void write(const HighScoreTable &table) const;

    QString path_;
    QString startingPath_;
};
