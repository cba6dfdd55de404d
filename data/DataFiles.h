#pragma once

#include "data/HighScores.h"

#include <QString>

// Where the game's two files are.
struct DataFiles {
    QString players;      // the player database, never written
    HighScoreFile scores; // this player's high-score table
};

// Portable when the program's folder holds database/data.txt: both files are
// read and written there. Otherwise installed: the player database and the
// starting high-score table in <prefix>/share/nomilo beside the program's
// bin/, and each user's own table in their data folder
// ($XDG_DATA_HOME/nomilo, by default ~/.local/share/nomilo).
DataFiles locateDataFiles(const QString &programDir);
