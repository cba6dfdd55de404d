#pragma once

#include <QString>

#include <vector>

// The names to guess with their origins, as two parallel lists of slots 0 to
// 1000. Slot 0 is never used; the names fill slots 1 upward without gaps, and
// the first empty slot ends the list.
struct PlayerList {
    static constexpr int kSlots = 1000;

    std::vector<QString> PlayerNames = std::vector<QString>(kSlots + 1);
    std::vector<QString> PlayerFrom = std::vector<QString>(kSlots + 1);

    // Number of names before the first empty slot.
    int count() const;
};

// Reads the player database. Throws DataError naming the file when it cannot
// be read or holds no name at all.
PlayerList loadPlayerDatabase(const QString &path);
