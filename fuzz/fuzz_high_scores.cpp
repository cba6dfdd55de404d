// libFuzzer target: the high-score file, read and written back.
//
// The input is the file; readHighScoreFile either refuses it with a DataError
// naming the file and the first faulty line, or returns a table that is the
// file's first ten lines. The table is then saved with writeHighScoreFile to a
// second file, which must hold exactly those lines with CR LF endings and read
// back as the same table. A crash,
// any other exception (a SaveError included), a sanitizer report or a broken
// invariant below is a failure.

#include "FuzzSupport.h"

#include "data/DataError.h"
#include "data/HighScores.h"
#include "data/TextFile.h"
#include "engine/TextRules.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace {

constexpr int kPlaces = HighScoreTable::kPlaces;
constexpr int kLines = 2 * kPlaces;

// The line (1-based) the reader must refuse the file at, or 0 when it must
// accept it: the end of a short file, else the first score that is no number.
qsizetype expectedFaultyLine(const QStringList &lines)
{
    if (lines.size() < kLines)
        return lines.size() + 1;
    for (qsizetype line = kPlaces + 1; line <= kLines; ++line) {
        if (!isNumberText(lines[line - 1]))
            return line;
    }
    return 0;
}

bool sameTable(const HighScoreTable &a, const HighScoreTable &b)
{
    for (int i = 0; i <= kPlaces; ++i) {
        if (a[i].Name != b[i].Name || a[i].Score != b[i].Score)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList lines = splitLines(decodeText(bytes));
    const qsizetype faultyLine = expectedFaultyLine(lines);

    const QString path = fuzz::databaseFolder() + QStringLiteral("/hscores.txt");
    fuzz::writeWholeFile(path, bytes);
    HighScoreTable table;
    try {
        table = readHighScoreFile(path);
    } catch (const DataError &error) {
        FUZZ_CHECK(faultyLine > 0);
        const QString message = QString::fromStdString(error.what());
        FUZZ_CHECK(message.startsWith(QStringLiteral("%1, line %2: ").arg(path).arg(faultyLine)));
        return 0;
    }
    FUZZ_CHECK(faultyLine == 0);

    // The sentinel above place 1, then the first ten lines as they are.
    FUZZ_CHECK(table[0].Score == HighScoreTable::kSentinelScore);
    FUZZ_CHECK(table[0].Name.isEmpty());
    for (int i = 0; i <= kPlaces; ++i)
        FUZZ_CHECK(isNumberText(table[i].Score));
    for (int place = 1; place <= kPlaces; ++place) {
        FUZZ_CHECK(table[place].Name == lines[place - 1]);
        FUZZ_CHECK(table[place].Score == lines[kPlaces + place - 1]);
    }

    // Saved: the ten lines, each ending in CR LF, in UTF-8.
    const QString copy = fuzz::databaseFolder() + QStringLiteral("/hscores-saved.txt");
    writeHighScoreFile(copy, table);
    QString expected;
    for (int place = 1; place <= kPlaces; ++place)
        expected += table[place].Name + QStringLiteral("\r\n");
    for (int place = 1; place <= kPlaces; ++place)
        expected += table[place].Score + QStringLiteral("\r\n");
    FUZZ_CHECK(fuzz::readWholeFile(copy) == expected.toUtf8());

    // Read back: the same table. A read name never holds a CR or an LF (each
    // ends a line), so every table that was read must come back unchanged.
    for (int place = 1; place <= kPlaces; ++place)
        FUZZ_CHECK(!table[place].Name.contains(u'\n') && !table[place].Name.contains(u'\r'));
    FUZZ_CHECK(sameTable(readHighScoreFile(copy), table));
    return 0;
}
