#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The names to guess with their origins, as two parallel lists. Slot 0 is
// never used; the names fill slots 1 upward, at most 1000 of them, and the
// lists end with the last name.
struct PlayerList {
    static constexpr int kSlots = 1000;

    std::vector<QString> PlayerNames{QString()};
    std::vector<QString> PlayerFrom{QString()};

    int count() const { return static_cast<int>(PlayerNames.size()) - 1; }
};

// Reads the player database. Throws DataError naming the file when it cannot
// be read or holds no name at all.
PlayerList loadPlayerDatabase(const QString &path);
// The same from the file's bytes; `path` names the file in errors.
PlayerList parsePlayerDatabase(const QByteArray &bytes, const QString &path);
