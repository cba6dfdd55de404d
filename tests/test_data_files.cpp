// The two data files: what a file holds becomes exactly the names and the
// table the game uses; damaged files are clear errors naming file and line;
// a failed save keeps the old table; and where the files are looked for.

#include "GameFixture.h"

#include "data/TextFile.h"

#include <sys/stat.h>
#include <sys/wait.h>

namespace {

using testing::AllOf, testing::EndsWith, testing::HasSubstr, testing::StartsWith;
using DataFilesTest = GameFixture;

const QByteArray kHeader = "<------------------------";

// "name@origin|..." for every name the file holds.
QString names(const QByteArray &bytes)
{
    QStringList shown;
    for (const Player &player : parsePlayerDatabase(bytes, "data.txt"))
        shown << player.name + u'@' + player.origin;
    return shown.join(u'|');
}

// What reading a table of these scores after five names throws, or "no error".
std::string scoresError(const QString &scores)
{
    return errorOf([&] { parseHighScores(("a\nb\nc\nd\ne\n" + scores).toUtf8(), "hs"); });
}

TEST_F(DataFilesTest, PlayerLinesAreJudgedExactlyAndInOrderAsAnyEditorWroteThem)
{
    // Names are trimmed; the end marker and a header count only as they
    // stand, so with a space first, or in lower case, they are names; a line
    // of white space alone is skipped, not stored as a name nobody can see.
    // An origin is at most 99 characters from position 26, trimmed, and
    // never half of a character.
    EXPECT_EQ(
        names("Above Any Header\n// a comment\n" + kHeader + "Northland\n <--END-->\n<--end-->\n\n " + kHeader
              + "X\n/ one slash\n //spaced\n   \t  \n//\n" + kHeader + "--Longer\n   Dash Person  \n" + kHeader
              + "  \nNo Origin\n" + kHeader + "   Far" + QByteArray(120, 'x') + "\nLong Origin\n<--END-->\nNot Read"),
        "Above Any Header@|<--END-->@Northland|<--end-->@Northland|" + kHeader + "X@Northland|/ one slash@Northland|"
            + "//spaced@Northland|Dash Person@--Longer|No Origin@|Long Origin@Far" + QString(93, u'x'));
    EXPECT_EQ(names(kHeader + QByteArray(98, 'x') + "\U0001D49C\nN"), "N@" + QString(98, u'x'));

    const QByteArray thousand = "// comment\n" + QByteArray("N\n").repeated(1000);
    EXPECT_EQ(names(thousand).count(u'|'), 998) << "only the first 1000 lines are read";
    EXPECT_EQ(names(thousand.mid(11)).count(u'|'), 999);

    // Files from other editors read the same.
    const QString text = kHeader + "Land\nFirst\nM\u00FCller\n<--END-->\nAfter\n";
    QStringEncoder le(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    QStringEncoder be(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom);
    for (const QByteArray &bytes :
         {QString(text).replace(u'\n', u'\r').toUtf8(), text.toLatin1(), QByteArray(le(text)),
          "\xEF\xBB\xBF" + QString(text).replace(u'\n', "\r\n").toUtf8(), QByteArray(be(text))})
        EXPECT_EQ(names(bytes), "First@Land|M\u00FCller@Land") << bytes.toHex().toStdString();
    EXPECT_EQ(names("Mu\xCC\x88ller\n"), "M\u00FCller@") << "an accent is one letter to guess";

    // Bytes that are not UTF-8 are Windows-1252, as the platform's own decoder reads them.
    QByteArray high;
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        high += static_cast<char>(byte);
    EXPECT_EQ(decodeText(high), QStringDecoder("windows-1252").decode(high));
}

TEST_F(DataFilesTest, DamagedFilesAreErrorsNamingTheFileAndLine)
{
    EXPECT_THAT(errorOf([] { names("// a comment\r\n<--END-->\r\n"); }), HasSubstr("data.txt: holds no player names"));
    // White space at the ends is invisible and trimmed; inside, a character
    // nobody can type would make a name nobody can finish.
    EXPECT_EQ(names("\u00A0Pel\u00E9\t\n" + kHeader + "\tLand\u3000\nM\u00FCller "), "Pel\u00E9@|M\u00FCller@Land");
    for (const char *inside : {"\t", "\u00AD", "\u200B", "\uE000", "\u2028", "\U000E0001"})
        EXPECT_THAT(errorOf([&] { names(QByteArray("Good\nPe") + inside + "le\n"); }),
                    HasSubstr(QStringLiteral("line 2: the name \"Pe\\u%1le\" holds a character nobody can type")
                                  .arg(QString::fromUtf8(inside).toUcs4()[0], 4, 16, QLatin1Char('0'))
                                  .toStdString()));
    // A soft hyphen from a Windows-1252 file.
    EXPECT_THAT(errorOf([] { names("Pe\xADl\xE9\r\n"); }), HasSubstr("\"Pe\\u00adl\u00E9\""));
    EXPECT_THAT(errorOf([&] { readPlayerDatabase(path("none/data.txt")); }),
                HasSubstr(path("none/data.txt").toStdString() + ": cannot be opened"));

    EXPECT_THAT(scoresError("5\n4\n3\n2"),
                EndsWith("hs, line 10: the file ends here, but a high-score file has 10 lines: five names, "
                         "then five scores. To start a fresh table, move this file away or delete it: the "
                         "game makes a new one at the next placement."));
    for (const char *notANumber : {"lots", "", "inf", "-nan", "1e999", "0x10", "1,5", "e5", "1e", "+-1"})
        EXPECT_THAT(scoresError(QString("5\n4\n%1\n2\n1").arg(notANumber)),
                    HasSubstr(std::string("hs, line 8: the score \"") + notANumber + "\" is not a number"));
    EXPECT_EQ(scoresError(" 5 \n+4\n3.5\n-2\n1E2"), "no error");
    // Quoted readably: control characters spelled out, a long value cut short.
    EXPECT_THAT(scoresError(QString("9") + QChar(0) + "\n4\n3\n2\n1"), HasSubstr("line 6: the score \"9\\u0000\""));
    for (const int length : {40, 41}) // shown whole, or cut after 40
        EXPECT_THAT(scoresError("9\n" + QString(length - 1, u'7') + "x\n3\n2\n1"),
                    HasSubstr("line 7: the score \"" + std::string(length == 40 ? 39 : 40, '7')
                              + (length == 40 ? "x\"" : "...\"")));
}

TEST_F(DataFilesTest, AHighScoreTableRoundTripsExactlyAndAFailedSaveKeepsTheOldFile)
{
    const QByteArray file = QByteArray("|  Spaced  |Comma, \"Q\"|M\u00FCller|Last|12|9|4|0|-3|").replace('|', "\r\n");
    const HighScoreTable table = parseHighScores(file + "eleventh line\r\n", QString());
    EXPECT_EQ(table.places()[1].name + u'|' + table.places()[4].scoreText, "  Spaced  |-3");
    EXPECT_EQ(formatHighScores(table, QString()), file) << "ten lines, exactly as read";
    HighScoreTable broken;
    broken.place("Two\nlines", 1);
    EXPECT_THAT(errorOf([&] { formatHighScores(broken, "hs"); }), HasSubstr("hs: place 1 holds a line break"));

    writeFile("database/hscores.txt", file);
    const QString path = this->path("database/hscores.txt");
    // A name long enough to need several writes.
    EXPECT_EQ(errorOnAFullDisk(100, [&] { HighScoreFile(path).place(QString(5000, u'x'), 99); }),
              "The high scores could not be saved to " + path.toStdString() + ": File too large");
    // No temporary or lock file left.
    EXPECT_EQ(QDir(this->path("database")).entryList(QDir::Files), QStringList({"hscores.txt"}));
    EXPECT_EQ(lines().toUtf8(), QByteArray(file).replace("\r\n", "|"));
}

TEST_F(DataFilesTest, AWritableTableInAFolderNobodyMayWriteIsWrittenOverInPlaceOrMendedByItsPlayers)
{
    writeScores("Ann Ben Cy Di Ed", "40 30 20 10 5");
    writeFile("database/sealed.txt", "Ann\r\n"); // damaged, and only its owner may write it
    const QString file = path("database/hscores.txt");
    ::chmod(qPrintable(file), 0666);
    ::chmod(qPrintable(path("database")), 0555);
    ::chmod(qPrintable(dir.path()), 0755);
    // Played by someone else than the folder's owner (root may write anywhere).
    const pid_t child = ::fork();
    if (child == 0) {
        if (::getuid() == 0 && ::setuid(65534) != 0)
            ::_exit(2);
        const std::optional<int> place = HighScoreFile(file).place("Zed", 25);
        const std::string error = errorOnAFullDisk(100, [&] { HighScoreFile(file).place(QString(500, u'x'), 50); });
        // A damaged table tells its players whom to ask, and what they may do themselves.
        const std::string told = errorOf([&] { HighScoreFile(path("database/sealed.txt")).read(); }) + '\n'
            + errorOf([&] { parseHighScores("Ann", file); });
        std::cerr << told << '\n';
        const std::string ask = "ask root, who owns its folder, to move this file away or delete it (you may not): "
                                "the game makes a new one at the next placement.";
        const std::string mend = " Or, as you may write it, mend it in a text editor, or make it a fresh table "
                                 "yourself: five empty lines, then five lines of 0.";
        const bool asked = told.find(ask + '\n') != told.npos && told.ends_with(ask + mend);
        ::_exit(place == 3 && error.ends_with(": File too large") && asked ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    ::chmod(qPrintable(path("database")), 0755);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(lines(), "Ann|Ben|Zed|Cy|Di|40|30|25|20|10|") << "a failed write puts the old table back";
    EXPECT_EQ(QDir(path("database")).entryList(QDir::Files), QStringList({"hscores.txt", "sealed.txt"}));
}

TEST_F(DataFilesTest, APortableFolderKeepsBothFilesAndAnInstallKeepsEachPlayersOwnTableAndList)
{
    // <prefix>/bin beside <prefix>/share/nomilo, and the player's data folder.
    writeFile("usr/share/nomilo/hscores.txt", "Shipped\nb\nc\nd\ne\n9\n8\n7\n6\n5\n");
    qputenv("XDG_DATA_HOME", path("home/data").toUtf8());
    const DataFiles installed = locateDataFiles(path("usr/bin"));
    EXPECT_EQ(installed.playerDatabase + u' ' + installed.highScores.path(),
              path("usr/share/nomilo/data.txt") + u' ' + path("home/data/nomilo/hscores.txt"));
    EXPECT_EQ(installed.highScores.read().places()[0].name, "Shipped") << "the shipped table until the first placement";
    installed.highScores.place("Pat", 6);
    EXPECT_EQ(lines("home/data/nomilo/hscores.txt"), "Shipped|b|c|d|Pat|9|8|7|6|6|");
    EXPECT_EQ(lines("usr/share/nomilo/hscores.txt"), "Shipped\nb\nc\nd\ne\n9\n8\n7\n6\n5\n");
    // A list of the player's own beside it is played instead; its errors say how to go back.
    writeFile("home/data/nomilo/data.txt", "Own\nPe\tle\n");
    EXPECT_THAT(errorOf([&] { Session(locateDataFiles(path("usr/bin"))).start(); }),
                EndsWith("/home/data/nomilo/data.txt, line 2: the name \"Pe\\u0009le\" holds a character "
                         "nobody can type. To play the shipped list again, move this file away."));
    qunsetenv("XDG_DATA_HOME");
    // A program folder with a database/ folder is portable, data.txt or not.
    QDir().mkpath(path("usr/bin/database"));
    EXPECT_THAT(errorOf([&] { Session(locateDataFiles(path("usr/bin"))).start(); }),
                AllOf(StartsWith(path("usr/bin/database/data.txt").toStdString() + ": cannot be opened"),
                      EndsWith("copy the game's data.txt back there.")));

    // The source folder is portable: the shipped files, valid, and every name
    // typeable on any keyboard; each player once, under any spelling, each
    // country one group, and lines left for the player's own names.
    const DataFiles shipped = locateDataFiles(QStringLiteral(NOMILO_SOURCE_DIR));
    EXPECT_EQ(shipped.highScores.read().places()[4].scoreText, "5");
    const QByteArray database = readFileBytes(shipped.playerDatabase);
    const QString all = names(database);
    EXPECT_TRUE(QRegularExpression("^([A-Za-z]+([ '-][A-Za-z]+)*@[A-Za-z ]+\\|?)+$").match(all).hasMatch());
    // Each player's name folded to its letters, and each player's country.
    const QStringList spellings = QString(all).remove(QRegularExpression("[ '-]|@[^|]*")).toCaseFolded().split(u'|');
    const QStringList origins = QString(all).remove(QRegularExpression("[^@|]*@")).split(u'|');
    EXPECT_GE(spellings.size(), 800);
    EXPECT_EQ(QSet<QString>(spellings.begin(), spellings.end()).size(), spellings.size()) << "a player listed twice";
    EXPECT_EQ(QSet<QString>(origins.begin(), origins.end()).size(), database.count("\n" + kHeader));
    EXPECT_LE(database.count('\n'), kReadablePlayerLines - 100) << "no room left for the player's own names";
}

} // namespace
