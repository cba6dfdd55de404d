// libFuzzer target: the high-score file, parsed from memory and written back.
//
// Any input is either refused with a DataError naming the file and one of its
// ten lines, or read as a table that is written and read back unchanged. For
// ASCII input the oracle knows more: the table is the first ten lines, the
// refusal names the first line at fault, judged by the oracle's own rules.

#include "FuzzSupport.h"

#include "data/DataError.h"
#include "data/HighScores.h"

#include <cstddef>
#include <cstdint>

namespace {

const QString kPath = QStringLiteral("/x/hscores.txt");
constexpr int kPlaces = HighScoreTable::kPlaces;

// The line an ASCII file must be refused at, or 0 when it must be accepted.
int faultyLine(const QList<QByteArray> &lines)
{
    if (lines.size() < 2 * kPlaces)
        return static_cast<int>(lines.size()) + 1;
    for (int line = kPlaces + 1; line <= 2 * kPlaces; ++line) {
        if (!oracle::isNumber(lines[line - 1]))
            return line;
    }
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const bool ascii = oracle::isAscii(bytes);
    const QList<QByteArray> lines = oracle::lines(bytes);
    HighScoreTable table;
    try {
        table = parseHighScores(bytes, kPath);
    } catch (const DataError &error) {
        const QString message = QString::fromUtf8(error.what());
        const QString prefix = kPath + QStringLiteral(", line ");
        FUZZ_CHECK(message.startsWith(prefix));
        const int line = QStringView(message).sliced(prefix.size()).split(u':').first().toInt();
        FUZZ_CHECK(line >= 1 && line <= 2 * kPlaces);
        FUZZ_CHECK(!ascii || line == faultyLine(lines));
        return 0;
    }
    FUZZ_CHECK(!ascii || faultyLine(lines) == 0);
    FUZZ_CHECK(table[0].Name.isEmpty() && table[0].Score == QStringLiteral("34999"));
    for (int place = 1; ascii && place <= kPlaces; ++place) {
        FUZZ_CHECK(table[place].Name.toLatin1() == lines[place - 1]);
        FUZZ_CHECK(table[place].Score.toLatin1() == lines[kPlaces + place - 1]);
    }

    // Written: ten lines ending in CR LF; read back: the same table.
    const QByteArray written = formatHighScores(table, kPath);
    FUZZ_CHECK(written.count("\r\n") == 2 * kPlaces && written.endsWith("\r\n"));
    const HighScoreTable again = parseHighScores(written, kPath);
    for (int place = 0; place <= kPlaces; ++place)
        FUZZ_CHECK(again[place].Name == table[place].Name && again[place].Score == table[place].Score);
    return 0;
}
