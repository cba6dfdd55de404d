#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// A name to guess and where the player is from.
struct Player {
    QString name;
    QString origin;
};

using PlayerList = std::vector<Player>;

// Only the first lines of the player database are read, however long it is.
constexpr int kReadablePlayerLines = 1000;

// Reads the player database: its names in file order, each with the origin of
// the group it stands in. Throws DataError naming the file when it cannot be
// read, holds no name at all, or holds a name nobody can type; `advice`, when
// given, follows as a sentence of its own.
PlayerList readPlayerDatabase(const QString &path, const QString &advice = {});
// The same from the file's bytes; `path` names the file in errors.
PlayerList parsePlayerDatabase(const QByteArray &bytes, const QString &path);
