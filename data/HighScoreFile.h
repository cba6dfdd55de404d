#pragma once

#include "data/HighScoreTable.h"
#include "data/SaveError.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The file's ten lines: five names, then five scores; lines after the tenth
// are ignored. Throws DataError naming `path` and the line when the file is
// short or a score is not a number, and saying how the player reading it can
// start a fresh table there.
HighScoreTable parseHighScores(const QByteArray &bytes, const QString &path);

// The ten lines, each ending in CR LF. Throws SaveError naming `path` when a
// value holds a line break, which would shift every later line.
QByteArray formatHighScores(const HighScoreTable &table, const QString &path);

// One player's high-score file. Until it exists, a starting table stands in
// for it: the shipped one, read but never written, or without one the empty
// table. The first placement creates the file and its folder.
class HighScoreFile {
public:
    explicit HighScoreFile(QString path, QString startingPath = {});

    const QString &path() const { return path_; }
    HighScoreTable read() const;

    // Enters a final score as one transaction, safe against other copies of
    // the game: under a lock beside the file, reads the table as it stands
    // now, places the score and saves. Returns the place taken, or none when
    // the score no longer earns one (nothing is written then). Throws
    // SaveError when the lock cannot be had or the save fails (the file then
    // stays as it was), DataError for a damaged file. Where the folder cannot
    // be written but the file can, the file is locked and written over in
    // place instead: not atomic, so a failed write can damage it.
    std::optional<int> place(const QString &name, int score) const;

private:
    // The same without a lock file or a new file beside the table, for a
    // folder that cannot be written: the table is written over in place.
    std::optional<int> placeInPlace(const QString &name, int score) const;
    void write(const HighScoreTable &table) const;

    QString path_;
    QString startingPath_;
};
