#pragma once

#include "data/HighScoreFile.h"

#include <QString>

// Where the game's two files are.
struct DataFiles {
    QString playerDatabase;   // never written
    HighScoreFile highScores; // this player's own table
    // Said after any error in the player database: how to play on.
    QString playerDatabaseAdvice = {};
    // A list of the player's own, whose words are shown as written; the
    // shipped list's origins are shown in the player's language.
    bool ownList = false;
};

// Portable when the program's folder holds a database/ folder: both files are
// read and written there. Otherwise installed: the player database and the
// starting high-score table in <prefix>/share/nomilo beside the program's
// bin/, and each user's own table in their data folder
// ($XDG_DATA_HOME/nomilo, by default ~/.local/share/nomilo), where a data.txt
// of their own is played instead of the shipped one.
DataFiles locateDataFiles(const QString &programDir);
