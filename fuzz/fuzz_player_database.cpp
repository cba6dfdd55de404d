// libFuzzer target: the player database, parsed from memory.
//
// Any input is either refused with a DataError naming the file, or read as a
// list of trimmed, typeable names. For ASCII input the oracle reads the lines
// by its own account of the format and must find the same names and origins,
// or the same refusal.

#include "FuzzSupport.h"

#include "data/DataError.h"
#include "data/PlayerDatabase.h"

#include <cstddef>
#include <cstdint>

namespace {

const QString kPath = QStringLiteral("/x/data.txt");

struct Expected {
    QList<QByteArray> names;
    QList<QByteArray> origins;
    int badLine = 0; // a name with a control character: refused there
};

Expected read(const QList<QByteArray> &lines)
{
    Expected expected;
    QByteArray origin;
    for (int i = 1; i <= std::min<int>(static_cast<int>(lines.size()), 1000); ++i) {
        const QByteArray &line = lines[i - 1];
        if (oracle::trimmed(line, " \t\v\f").isEmpty() || line.startsWith("//"))
            continue;
        if (line == "<--END-->")
            break;
        if (line.startsWith("<" + QByteArray(24, '-'))) {
            origin = line.mid(25, 99);
            continue;
        }
        for (const char c : line) {
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                expected.badLine = i;
                return expected;
            }
        }
        expected.names << oracle::trimmed(line, " ");
        expected.origins << oracle::trimmed(origin, " ");
    }
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const bool ascii = oracle::isAscii(bytes);
    const Expected expected = ascii ? read(oracle::lines(bytes)) : Expected{};
    PlayerList list;
    try {
        list = parsePlayerDatabase(bytes, kPath);
    } catch (const DataError &error) {
        const QString message = QString::fromUtf8(error.what());
        FUZZ_CHECK(message.startsWith(kPath + QStringLiteral(": "))
                   || message.startsWith(kPath + QStringLiteral(", line ")));
        if (ascii && expected.badLine > 0)
            FUZZ_CHECK(message.startsWith(kPath + QStringLiteral(", line %1: ").arg(expected.badLine)));
        else if (ascii)
            FUZZ_CHECK(expected.names.isEmpty()
                       && message == kPath + QStringLiteral(": holds no player names; the game needs at least one"));
        return 0;
    }
    const int count = list.count();
    FUZZ_CHECK(count >= 1 && list.PlayerNames[0].isEmpty());
    for (int slot = 1; slot <= count; ++slot) {
        const QString &name = list.PlayerNames[slot];
        FUZZ_CHECK(!name.startsWith(u' ') && !name.endsWith(u' ') && list.PlayerFrom[slot].size() <= 99);
        for (const QChar c : name)
            FUZZ_CHECK(c.category() != QChar::Other_Control);
    }
    if (!ascii)
        return 0;
    FUZZ_CHECK(expected.badLine == 0 && count == expected.names.size());
    for (int slot = 1; slot <= count; ++slot) {
        FUZZ_CHECK(list.PlayerNames[slot].toLatin1() == expected.names[slot - 1]);
        FUZZ_CHECK(list.PlayerFrom[slot].toLatin1() == expected.origins[slot - 1]);
    }
    return 0;
}
