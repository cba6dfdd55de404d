#include "data/HighScores.h"
#include "data/PlayerDatabase.h"
#include "data/TextFile.h"

#include <QRegularExpression>
#include <QSet>
#include <QString>

#include <gtest/gtest.h>

namespace {

const QString kDatabase = QStringLiteral(NOMILO_SOURCE_DIR "/database/");

TEST(ShippedData, EveryPlayerIsUniqueAndGuessableFromAnyKeyboard)
{
    const PlayerList list = loadPlayerDatabase(kDatabase + QStringLiteral("data.txt"));
    const int count = list.count();
    EXPECT_GE(count, 300);
    QSet<QString> names;
    QSet<QString> origins;
    const QRegularExpression plain(QStringLiteral("^[A-Za-z]+([ '-][A-Za-z]+)*$"));
    for (int slot = 1; slot <= count; ++slot) {
        const QString &name = list.PlayerNames[static_cast<std::size_t>(slot)];
        EXPECT_TRUE(plain.match(name).hasMatch()) << "slot " << slot << ": " << name.toStdString();
        EXPECT_FALSE(names.contains(name)) << "twice: " << name.toStdString();
        EXPECT_FALSE(list.PlayerFrom[static_cast<std::size_t>(slot)].isEmpty()) << name.toStdString();
        names.insert(name);
        origins.insert(list.PlayerFrom[static_cast<std::size_t>(slot)]);
    }
    EXPECT_GE(origins.size(), 20);
}

TEST(ShippedData, TheWholeFileIsReadUpToItsEndMarker)
{
    const QStringList lines = readTextLines(kDatabase + QStringLiteral("data.txt"));
    EXPECT_LE(lines.size(), 1000) << "lines past the thousandth are never read";
    EXPECT_EQ(lines.last(), "<--END-->");
}

TEST(ShippedData, TheHighScoreFileIsValid)
{
    const HighScoreTable table = readHighScoreFile(kDatabase + QStringLiteral("hscores.txt"));
    for (int place = 2; place <= 5; ++place)
        EXPECT_GE(table[place - 1].Score.toInt(), table[place].Score.toInt()) << "sorted, best first";
}

} // namespace
