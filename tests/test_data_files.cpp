// The two data files: what a file holds becomes exactly the names and the
// table the game uses; damaged files are clear errors naming file and line;
// saving never loses the old table; and where the files are looked for.

#include "GameFixture.h"

#include "data/DataError.h"
#include "data/TextFile.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

using ::testing::HasSubstr;

namespace {

const QString kHeader = QStringLiteral("<------------------------");

class DataFilesTest : public GameFixture {
protected:
    PlayerList players(const QByteArray &bytes) { return parsePlayerDatabase(bytes, QStringLiteral("data.txt")); }
    static QStringList names(const PlayerList &list)
    {
        QStringList shown;
        for (int slot = 1; slot <= list.count(); ++slot)
            shown << list.PlayerNames[slot] + u'@' + list.PlayerFrom[slot];
        return shown;
    }
    template <typename Read>
    static std::string errorOf(Read read)
    {
        try {
            read();
        } catch (const DataError &error) {
            return error.what();
        }
        return "no error";
    }
    std::string playersError(const QByteArray &bytes)
    {
        return errorOf([&] { players(bytes); });
    }
    std::string scoresError(const QStringList &scores)
    {
        return errorOf([&] { parseHighScores(crlfLines(QStringList{"a", "b", "c", "d", "e"} + scores), "hs.txt"); });
    }
    HighScoreFile scores() const { return files().scores; }
};

TEST_F(DataFilesTest, PlayerLinesAreJudgedExactlyAndInOrder)
{
    const PlayerList list = players(crlfLines({
        QStringLiteral("Above Any Header"),
        QStringLiteral("// a comment"),
        kHeader + QStringLiteral("Northland"),
        QStringLiteral(" <--END-->"), // a space before: a name, trimmed
        QStringLiteral("<--end-->"),  // case matters: a name
        QString(),
        QStringLiteral(" ") + kHeader + QStringLiteral("X"), // a space first: a name
        QStringLiteral("/ one slash"),
        QStringLiteral(" //spaced"),
        QStringLiteral("   \t  "), // white space only: skipped, not an invisible name
        QStringLiteral("//"),
        kHeader + QStringLiteral("--Longer"),
        QStringLiteral("   Dash Person  "),
        kHeader,
        QStringLiteral("No Origin"),
        kHeader + QStringLiteral("   Far") + QString(120, u'x'),
        QStringLiteral("Long Origin"),
        QStringLiteral("<--END-->"),
        QStringLiteral("Never Read"),
    }));
    EXPECT_EQ(names(list),
              QStringList({"Above Any Header@", "<--END-->@Northland", "<--end-->@Northland",
                           kHeader + QStringLiteral("X@Northland"), "/ one slash@Northland", "//spaced@Northland",
                           "Dash Person@--Longer", "No Origin@", "Long Origin@Far" + QString(93, u'x')}))
        << "an origin is at most 99 characters from position 26, then trimmed";
    EXPECT_TRUE(list.PlayerNames[0].isEmpty());
}

TEST_F(DataFilesTest, OnlyTheFirstThousandLinesAreReadAndTheEndOfFileEndsTheList)
{
    QStringList lines{QStringLiteral("// comment")};
    for (int i = 1; i <= 1000; ++i)
        lines << QStringLiteral("Name %1").arg(i);
    EXPECT_EQ(players(crlfLines(lines)).count(), 999) << "the comment leaves room for one name fewer";
    lines.removeFirst();
    const PlayerList full = players(crlfLines(lines));
    EXPECT_EQ(full.count(), 1000);
    EXPECT_EQ(full.PlayerNames[1000], "Name 1000");
    EXPECT_EQ(names(players("First\nSecond")), QStringList({"First@", "Second@"}));
}

TEST_F(DataFilesTest, FilesFromOtherEditorsReadTheSame)
{
    const QString text = kHeader + QStringLiteral("Land\nFirst\nM\u00FCller\n<--END-->\nAfter\n");
    QByteArray utf16le("\xFF\xFE");
    QByteArray utf16be("\xFE\xFF");
    for (const QChar c : text) {
        utf16le += QByteArray(1, static_cast<char>(c.unicode() & 0xFF))
            + QByteArray(1, static_cast<char>(c.unicode() >> 8));
        utf16be += QByteArray(1, static_cast<char>(c.unicode() >> 8))
            + QByteArray(1, static_cast<char>(c.unicode() & 0xFF));
    }
    for (const QByteArray &bytes :
         {QString(text).replace(u'\n', u'\r').toUtf8(),
          "\xEF\xBB\xBF" + QString(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toUtf8(),
          QString(text).toLatin1(), utf16le, utf16be})
        EXPECT_EQ(names(players(bytes)), QStringList({"First@Land", "M\u00FCller@Land"}))
            << bytes.toHex().toStdString();
    EXPECT_EQ(players("Mu\xCC\x88ller\n").PlayerNames[1], "M\u00FCller") << "an accent is one letter to guess";

    // Bytes that are not UTF-8 are Windows-1252, as the platform's own decoder reads them.
    QByteArray high;
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        high += static_cast<char>(byte);
    EXPECT_EQ(decodeText(high), QStringDecoder("windows-1252").decode(high));
    EXPECT_EQ(splitLines(QStringLiteral("a\r\n\r\nb\rc\n")), QStringList({"a", "", "b", "c"}));
}

TEST_F(DataFilesTest, DamagedFilesAreErrorsNamingTheFileAndLine)
{
    EXPECT_THAT(playersError(crlfLines({"// only a comment", "<--END-->"})),
                HasSubstr("data.txt: holds no player names"));
    EXPECT_THAT(playersError(crlfLines({"Good", "Pele\t"})),
                HasSubstr("data.txt, line 2: the name \"Pele\\u0009\" holds a character nobody can type"));
    EXPECT_THAT(errorOf([&] { loadPlayerDatabase(path(QStringLiteral("missing/data.txt"))); }),
                HasSubstr(path(QStringLiteral("missing/data.txt")).toStdString() + ": cannot be opened"));

    EXPECT_THAT(scoresError({"5", "4", "3", "2"}), HasSubstr("hs.txt, line 10: the file ends here"));
    for (const char *notANumber : {"lots", "", "inf", "-nan", "1e999", "0x10", "1,5", "e5", "1e"})
        EXPECT_THAT(scoresError({"5", "4", notANumber, "2", "1"}),
                    HasSubstr(std::string("hs.txt, line 8: the score \"") + notANumber + "\" is not a number"));
    EXPECT_EQ(scoresError({" 5 ", "+4", "3.5", "-2", "1E2"}), "no error");
    // Quoted readably: control characters spelled out, a long value cut short.
    EXPECT_THAT(scoresError({QStringLiteral("9") + QChar(0), "4", "3", "2", "1"}),
                HasSubstr("line 6: the score \"9\\u0000\""));
    EXPECT_THAT(scoresError({"9", QString(50, u'7') + u'x', "3", "2", "1"}),
                HasSubstr("line 7: the score \"" + std::string(40, '7') + "...\" is not a number"));
}

TEST_F(DataFilesTest, AHighScoreTableRoundTripsExactly)
{
    const QByteArray file = crlfLines(
        {"  Spaced  ", "Comma, \"Quoted\"", "", "M\u00FCller", "Last", "120", "95", "40", "0", "-3", "eleventh line"});
    const HighScoreTable table = parseHighScores(file, QString());
    EXPECT_EQ(table[0].Name + u'|' + table[0].Score, "|34999") << "the sentinel above place 1";
    EXPECT_EQ(table[1].Name + u'|' + table[5].Score, "  Spaced  |-3");
    EXPECT_EQ(formatHighScores(table, QString()), file.left(file.indexOf("eleventh")));
}

TEST_F(DataFilesTest, AFailedSaveKeepsTheOldFile)
{
    writeScores({"a", "b", "c", "d", "e"}, {"5", "4", "3", "2", "1"});
    const QByteArray before = scoreFile();
    const auto place = [](HighScoreTable &table) {
        table[1].Name = QString(5000, u'x'); // long enough to need several writes
        return true;
    };
    const auto reported = [&] {
        try {
            scores().update(place);
        } catch (const SaveError &error) {
            return QString::fromStdString(error.what()).contains(path(QStringLiteral("database/hscores.txt")));
        }
        return false;
    };
    EXPECT_TRUE(passesWithFileSizeLimit(100, reported)) << "a full disk midway";
    EXPECT_EQ(scoreFile(), before);
    EXPECT_EQ(QDir(path(QStringLiteral("database"))).entryList(QDir::Files).size(), 1)
        << "no temporary or lock file left";

    const QString database = path(QStringLiteral("database"));
    QFile::setPermissions(database, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    EXPECT_TRUE(passesAsUnprivilegedUser(dir.path(), reported)) << "a read-only folder";
    QFile::setPermissions(database, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_TRUE(passesAsUnprivilegedUser(dir.path(), [&] {
        return errorOf([&] { scores().read(); }).find(path(QStringLiteral("database/hscores.txt")).toStdString()) == 0;
    })) << "an unreadable table is an error, not an empty one";
    QFile::setPermissions(database, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(scoreFile(), before);
}

TEST_F(DataFilesTest, APortableFolderKeepsBothFilesAndAnInstallKeepsEachPlayersOwnTable)
{
    writePlayers({"Land:Portable"});
    const DataFiles portable = locateDataFiles(dir.path());
    EXPECT_EQ(portable.players, path(QStringLiteral("database/data.txt")));
    EXPECT_EQ(portable.scores.path(), path(QStringLiteral("database/hscores.txt")));

    // <prefix>/bin beside <prefix>/share/nomilo, and the player's data folder.
    writeFile(QStringLiteral("usr/share/nomilo/hscores.txt"),
              crlfLines({"Shipped", "b", "c", "d", "e", "9", "8", "7", "6", "5"}));
    QDir().mkpath(path(QStringLiteral("usr/bin")));
    qputenv("XDG_DATA_HOME", path(QStringLiteral("home/data")).toUtf8());
    const DataFiles installed = locateDataFiles(path(QStringLiteral("usr/bin")));
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(installed.players, path(QStringLiteral("usr/share/nomilo/data.txt")));
    EXPECT_EQ(installed.scores.path(), path(QStringLiteral("home/data/nomilo/hscores.txt")));

    EXPECT_EQ(installed.scores.read()[1].Name, "Shipped") << "the shipped table until the first placement";
    installed.scores.update([](HighScoreTable &table) {
        table[5] = {QStringLiteral("Mine"), QStringLiteral("7")};
        return true;
    });
    EXPECT_EQ(readFile(QStringLiteral("home/data/nomilo/hscores.txt")),
              crlfLines({"Shipped", "b", "c", "d", "Mine", "9", "8", "7", "6", "7"}));
    EXPECT_EQ(readFile(QStringLiteral("usr/share/nomilo/hscores.txt")),
              crlfLines({"Shipped", "b", "c", "d", "e", "9", "8", "7", "6", "5"}));
}

TEST_F(DataFilesTest, TheShippedFilesAreValidAndEveryNameIsTypeable)
{
    const DataFiles shipped = locateDataFiles(QStringLiteral(NOMILO_SOURCE_DIR));
    const PlayerList list = loadPlayerDatabase(shipped.players);
    QSet<QString> seen;
    const QRegularExpression plain(QStringLiteral("^[A-Za-z]+([ '-][A-Za-z]+)*$"));
    for (int slot = 1; slot <= list.count(); ++slot) {
        const QString &name = list.PlayerNames[slot];
        EXPECT_TRUE(plain.match(name).hasMatch() && !seen.contains(name) && !list.PlayerFrom[slot].isEmpty())
            << name.toStdString();
        seen.insert(name);
    }
    EXPECT_GE(seen.size(), 300);
    EXPECT_EQ(splitLines(decodeText(readFileBytes(shipped.players))).last(), "<--END-->");
    EXPECT_EQ(shipped.scores.read()[5].Score.toInt(), 5);
}

} // namespace
