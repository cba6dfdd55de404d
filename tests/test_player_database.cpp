#include "GameFixture.h"

#include "data/DataError.h"
#include "data/PlayerDatabase.h"
#include "data/TextFile.h"

using ::testing::HasSubstr;

namespace {

class PlayerDatabaseTest : public GameFixture {
protected:
    PlayerList load(const QByteArray &bytes)
    {
        writeFile(QStringLiteral("database/data.txt"), bytes);
        return loadPlayerDatabase(path(QStringLiteral("database/data.txt")));
    }
    std::string loadError(const QByteArray &bytes)
    {
        try {
            load(bytes);
        } catch (const DataError &error) {
            return error.what();
        }
        return "no error";
    }
    static QString header(const QString &origin) { return QStringLiteral("<------------------------") + origin; }
};

TEST_F(PlayerDatabaseTest, ExampleFileGroupsNamesUnderTheirHeaders)
{
    const PlayerList list = load(crlfLines(
        {QStringLiteral("// player list"), header(QStringLiteral("Northland")), QStringLiteral("First Person"),
         QString(), QStringLiteral("Second O'Person-Name"), header(QStringLiteral("   Southland")),
         QStringLiteral("   Third Person  "), QStringLiteral("<--END-->"), QStringLiteral("Fourth Person")}));
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.PlayerNames[1], "First Person");
    EXPECT_EQ(list.PlayerFrom[1], "Northland");
    EXPECT_EQ(list.PlayerNames[2], "Second O'Person-Name");
    EXPECT_EQ(list.PlayerNames[3], "Third Person");
    EXPECT_EQ(list.PlayerFrom[3], "Southland");
    EXPECT_TRUE(list.PlayerNames[4].isEmpty()) << "nothing after the end marker is read";
    EXPECT_TRUE(list.PlayerNames[0].isEmpty());
}

TEST_F(PlayerDatabaseTest, LineKindsAreTestedExactlyAndInOrder)
{
    const PlayerList list = load(crlfLines({
        QStringLiteral("Above Any Header"),
        QStringLiteral(" <--END-->"),                        // not the marker: a name, trimmed
        QStringLiteral("<--end-->"),                         // case matters: a name
        QStringLiteral(" ") + header(QStringLiteral("X")),   // a space first: a name
        QStringLiteral("/ one slash"),                       // a name
        QStringLiteral(" //spaced"),                         // a name beginning with //
        QStringLiteral("//"),                                // a comment
        QStringLiteral("<--------------------------Longer"), // 26 hyphens: origin "--Longer"
        QStringLiteral("Dash Person"),
        QStringLiteral("<------------------------"), // exactly 25: origin ""
        QStringLiteral("No Origin"),
        header(QStringLiteral("Far") + QString(120, u'x')),
        QStringLiteral("Long Origin"),
        QStringLiteral("<--END-->"),
    }));
    ASSERT_EQ(list.count(), 9);
    EXPECT_EQ(list.PlayerNames[1], "Above Any Header");
    EXPECT_EQ(list.PlayerFrom[1], "");
    EXPECT_EQ(list.PlayerNames[2], "<--END-->");
    EXPECT_EQ(list.PlayerNames[3], "<--end-->");
    EXPECT_EQ(list.PlayerNames[4], header(QStringLiteral("X")));
    EXPECT_EQ(list.PlayerNames[5], "/ one slash");
    EXPECT_EQ(list.PlayerNames[6], "//spaced");
    EXPECT_EQ(list.PlayerNames[7], "Dash Person");
    EXPECT_EQ(list.PlayerFrom[7], "--Longer");
    EXPECT_EQ(list.PlayerFrom[8], "");
    EXPECT_EQ(list.PlayerFrom[9], QStringLiteral("Far") + QString(96, u'x')) << "99 characters from position 26";
}

TEST_F(PlayerDatabaseTest, WhiteSpaceOnlyLinesAreSkippedInsteadOfHidingLaterNames)
{
    const PlayerList list = load(crlfLines({QStringLiteral("First"), QStringLiteral("   "), QStringLiteral("\t"),
                                            QStringLiteral("Second"), QStringLiteral("<--END-->")}));
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.PlayerNames[2], "Second");
}

TEST_F(PlayerDatabaseTest, OnlyTheFirstThousandLinesAreRead)
{
    QStringList lines{QStringLiteral("// comment")};
    for (int i = 1; i <= 1000; ++i)
        lines << QStringLiteral("Name %1").arg(i);
    lines << QStringLiteral("<--END-->");
    const PlayerList list = load(crlfLines(lines));
    EXPECT_EQ(list.count(), 999) << "the comment leaves room for one name fewer";
    EXPECT_EQ(list.PlayerNames[999], "Name 999");

    lines.removeFirst();
    const PlayerList full = load(crlfLines(lines));
    EXPECT_EQ(full.count(), 1000);
    EXPECT_EQ(full.PlayerNames[1000], "Name 1000");
}

TEST_F(PlayerDatabaseTest, AFileWithoutEndMarkerLoadsWhatItHolds)
{
    const PlayerList list = load("First\nSecond");
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.PlayerNames[2], "Second");
}

TEST_F(PlayerDatabaseTest, FilesFromOtherEditorsLoadTheSameNames)
{
    const QString text = QStringLiteral("<------------------------Land\nFirst Name\nM\u00FCller\n<--END-->\nAfter\n");
    QByteArray utf16("\xFF\xFE");
    for (const QChar c : text)
        utf16 += QByteArray(1, static_cast<char>(c.unicode() & 0xFF))
            + QByteArray(1, static_cast<char>(c.unicode() >> 8));
    for (const QByteArray &bytes :
         {QString(text).replace(u'\n', u'\r').toUtf8(),                                             // old Mac
          QString(text).replace(QStringLiteral("\n"), QStringLiteral("\r\r\n")).toUtf8(), utf16}) { // Notepad "Unicode"
        const PlayerList list = load(bytes);
        ASSERT_EQ(list.count(), 2) << bytes.toHex().toStdString();
        EXPECT_EQ(list.PlayerNames[2], QStringLiteral("M\u00FCller"));
        EXPECT_EQ(list.PlayerFrom[2], "Land");
    }
    // A decomposed accent becomes one letter to guess.
    EXPECT_EQ(load("Mu\xCC\x88ller\n").PlayerNames[1], QStringLiteral("M\u00FCller"));
}

TEST_F(PlayerDatabaseTest, DamagedOrMissingFilesAreClearErrorsNamingTheFile)
{
    EXPECT_THAT(loadError(crlfLines({QStringLiteral("// only a comment"), QStringLiteral("<--END-->")})),
                HasSubstr("data.txt: holds no player names"));
    EXPECT_THAT(loadError(QByteArray()), HasSubstr("holds no player names"));
    // A character nobody can type would leave a name nobody can finish.
    EXPECT_THAT(loadError(crlfLines({QStringLiteral("Good"), QStringLiteral("Pele\t")})),
                HasSubstr("data.txt, line 2: the name \"Pele\\u0009\" holds a character nobody can type"));
    EXPECT_THAT(loadError(QByteArray("A\0B\n", 4)), HasSubstr("line 1: the name \"A\\u0000B\""));

    try {
        loadPlayerDatabase(path(QStringLiteral("missing/data.txt")));
        FAIL() << "a missing file must not load";
    } catch (const DataError &error) {
        EXPECT_THAT(error.what(), HasSubstr(path(QStringLiteral("missing/data.txt")).toStdString()));
    }
}

TEST(TextFile, DecodesUtf8WithOrWithoutBomAndFallsBackToWindows1252)
{
    EXPECT_EQ(decodeText("\xEF\xBB\xBF"
                         "Mb\xC3\xA4ppe"),
              QStringLiteral("Mb\u00E4ppe"));
    EXPECT_EQ(decodeText("M\xFCller \x80"), QStringLiteral("M\u00FCller \u20AC")) << "not UTF-8: Windows-1252";
    EXPECT_EQ(decodeText("\xEF\xBB\xBFM\xFCller"), QStringLiteral("M\u00FCller")) << "no stray BOM characters";
    EXPECT_EQ(splitLines(QStringLiteral("a\r\nb\nc\r\n")), QStringList({"a", "b", "c"}));
    EXPECT_EQ(splitLines(QStringLiteral("a\r\n\r\n")), QStringList({"a", ""}));
    EXPECT_TRUE(splitLines(QString()).isEmpty());
}

} // namespace
