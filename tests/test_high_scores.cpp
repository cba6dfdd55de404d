#include "GameFixture.h"

#include "data/DataError.h"
#include "data/HighScores.h"

#include <QDir>
#include <QFile>

using ::testing::HasSubstr;

namespace {

class HighScoreFileTest : public GameFixture {
protected:
    QString file() const { return path(QStringLiteral("database/hscores.txt")); }
    std::string readError()
    {
        try {
            readHighScoreFile(file());
        } catch (const DataError &error) {
            return error.what();
        }
        return "no error";
    }
};

TEST_F(HighScoreFileTest, OddNamesRoundTripExactlyAsTenCrLfLines)
{
    const QStringList names{QStringLiteral("  Spaced  "), QStringLiteral("Comma, \"Quoted\""), QString(),
                            QStringLiteral("M\u00FCller"), QStringLiteral("Last")};
    writeScores(names, {"120", "95", "40", "0", "-3"});
    const HighScoreTable table = readHighScoreFile(file());
    EXPECT_EQ(table[1].Name, "  Spaced  ");
    EXPECT_EQ(table[2].Name, "Comma, \"Quoted\"");
    EXPECT_EQ(table[3].Name, "");
    EXPECT_EQ(table[5].Score, "-3");
    EXPECT_EQ(table[0].Score, "34999");
    EXPECT_EQ(table[0].Name, "");

    const QByteArray before = readFile(QStringLiteral("database/hscores.txt"));
    writeHighScoreFile(file(), table);
    EXPECT_EQ(readFile(QStringLiteral("database/hscores.txt")), before);
}

TEST_F(HighScoreFileTest, ExtraLinesAreIgnoredAndDroppedAtTheNextSave)
{
    writeFile(QStringLiteral("database/hscores.txt"),
              crlfLines({"a", "b", "c", "d", "e", "5", "4", "3", "2", "1", "eleventh", "twelfth"}));
    HighScoreTable table = readHighScoreFile(file());
    EXPECT_EQ(table[5].Score, "1");
    writeHighScoreFile(file(), table);
    EXPECT_EQ(readFile(QStringLiteral("database/hscores.txt")),
              crlfLines({"a", "b", "c", "d", "e", "5", "4", "3", "2", "1"}));
}

TEST_F(HighScoreFileTest, AMissingFileIsAFirstRunAndIsNotCreatedByReading)
{
    const HighScoreTable table = readHighScoreFile(file());
    for (int place = 1; place <= 5; ++place) {
        EXPECT_EQ(table[place].Name, "");
        EXPECT_EQ(table[place].Score, "0");
    }
    EXPECT_EQ(table[0].Score, "34999");
    EXPECT_FALSE(QFile::exists(file()));
}

TEST_F(HighScoreFileTest, AFileThatCannotBeReachedIsAnErrorNotAFirstRun)
{
    writeScores({"a", "b", "c", "d", "e"}, {"5", "4", "3", "2", "1"});
    QFile::setPermissions(path(QStringLiteral("database")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const bool refused = passesAsUnprivilegedUser(dir.path(), [&] {
        try {
            readHighScoreFile(file());
        } catch (const DataError &error) {
            return QString::fromStdString(error.what()).startsWith(file());
        }
        return false;
    });
    EXPECT_TRUE(refused) << "an unreadable table must not be taken for an empty one";
}

TEST_F(HighScoreFileTest, DamagedFilesNameTheFileAndLineAndStayUntouched)
{
    const QByteArray nine = crlfLines({"a", "b", "c", "d", "e", "5", "4", "3", "2"});
    writeFile(QStringLiteral("database/hscores.txt"), nine);
    EXPECT_THAT(readError(), HasSubstr("hscores.txt, line 10: the file ends here"));
    EXPECT_EQ(readFile(QStringLiteral("database/hscores.txt")), nine);

    writeScores({"a", "b", "c", "d", "e"}, {"5", "4", "lots", "2", "1"});
    EXPECT_THAT(readError(), HasSubstr("hscores.txt, line 8: the score \"lots\" is not a number"));
    writeScores({"a", "b", "c", "d", "e"}, {"5", "4", "3", "2", ""});
    EXPECT_THAT(readError(), HasSubstr("line 10"));
    // Quoted so the message stays readable: control characters spelled out,
    // a long value cut short.
    writeScores({"a", "b", "c", "d", "e"}, {QStringLiteral("9") + QChar(0), QString(500, u'7') + u'x', "3", "2", "1"});
    EXPECT_THAT(readError(), HasSubstr("line 6: the score \"9\\u0000\" is not a number"));
    writeScores({"a", "b", "c", "d", "e"}, {"9", QString(500, u'7') + u'x', "3", "2", "1"});
    EXPECT_THAT(readError(), HasSubstr("line 7: the score \"" + std::string(40, '7') + "...\" is not a number"));
}

class FailedSaveTest : public HighScoreFileTest {
protected:
    void SetUp() override
    {
        writeScores({"a", "b", "c", "d", "e"}, {"5", "4", "3", "2", "1"});
        before = readFile(QStringLiteral("database/hscores.txt"));
        table = readHighScoreFile(file());
        table[1].Name = QString(5000, u'x'); // long enough to need several writes
    }
    QByteArray before;
    HighScoreTable table;
};

TEST_F(FailedSaveTest, AFolderInTheWayIsReportedByName)
{
    const QString folder = path(QStringLiteral("database/folder.txt"));
    QDir().mkpath(folder);
    try {
        writeHighScoreFile(folder, table);
        FAIL() << "a folder cannot be replaced by the table";
    } catch (const SaveError &error) {
        EXPECT_THAT(error.what(), HasSubstr("could not be saved to " + folder.toStdString()));
    }
}

TEST_F(FailedSaveTest, AReadOnlyFolderKeepsTheOldFile)
{
    const QString database = path(QStringLiteral("database"));
    QFile::setPermissions(database, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const bool reported = passesAsUnprivilegedUser(dir.path(), [&] {
        try {
            writeHighScoreFile(file(), table);
        } catch (const SaveError &error) {
            return QString::fromStdString(error.what()).contains(file());
        }
        return false;
    });
    QFile::setPermissions(database, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(reported) << "saving into a read-only folder must fail, naming the file";
    EXPECT_EQ(readFile(QStringLiteral("database/hscores.txt")), before);
}

TEST_F(FailedSaveTest, AFullDiskMidwayKeepsTheOldFile)
{
    const bool reported = passesWithFileSizeLimit(100, [&] {
        try {
            writeHighScoreFile(file(), table);
        } catch (const SaveError &) {
            return true;
        }
        return false;
    });
    EXPECT_TRUE(reported) << "the failed save must be reported";
    EXPECT_EQ(readFile(QStringLiteral("database/hscores.txt")), before);
    EXPECT_EQ(QDir(path(QStringLiteral("database"))).entryList(QDir::Files).size(), 1) << "no temporary file left";
}

} // namespace
