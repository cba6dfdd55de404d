// libFuzzer target: the high-score file, parsed from memory and written back.
//
// Any input is either refused with a DataError naming the file and one of its
// ten lines, or read as a table that is written and read back unchanged. For
// ASCII input the oracle knows more: the table is the first ten lines, and a
// refusal names the first line at fault by the oracle's own rules.

#include "FuzzSupport.h"

#include "data/DataError.h"
#include "data/HighScoreFile.h"

#include <cstdint>

namespace {

const QString kPath = QStringLiteral("/x/hscores.txt");

// The line an ASCII file must be refused at, or 0 when it must be read.
int faultyLine(const QStringList &lines)
{
    for (int line = 6; line <= 10; ++line)
        if (lines.size() < 10 || !oracle::isNumber(lines[line - 1]))
            return lines.size() < 10 ? static_cast<int>(lines.size()) + 1 : line;
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const bool ascii = oracle::isAscii(bytes);
    const QStringList lines = oracle::lines(bytes);
    HighScoreTable table;
    try {
        table = parseHighScores(bytes, kPath);
    } catch (const DataError &error) {
        const QString message = QString::fromUtf8(error.what());
        const int line = message.section(QStringLiteral(", line "), 1).section(u':', 0, 0).toInt();
        FUZZ_CHECK(message.startsWith(kPath + QStringLiteral(", line ")) && line >= 1 && line <= 10);
        FUZZ_CHECK(!ascii || line == faultyLine(lines));
        return 0;
    }
    FUZZ_CHECK(!ascii || faultyLine(lines) == 0);
    // Each place as its lines hold it, and the same once written and read back.
    const HighScoreTable again = parseHighScores(formatHighScores(table, kPath), kPath);
    for (int place = 0; place < 5; ++place) {
        const HighScore &read = table.places()[place], &back = again.places()[place];
        FUZZ_CHECK(!ascii || (read.name.toLatin1() == lines[place] && read.scoreText.toLatin1() == lines[place + 5]));
        FUZZ_CHECK(back.name == read.name && back.scoreText == read.scoreText && back.points == read.points);
    }
    return 0;
}
