// libFuzzer target: the player database reader.
//
// Each input is checked twice: in memory, through decodeText and splitLines
// (the text rules every data file goes through), and then as a file on disk,
// through loadPlayerDatabase. A DataError is a fair answer to a bad file;
// a crash, any other exception, a sanitizer report or a broken invariant
// below is a failure.

#include "FuzzSupport.h"

#include "data/DataError.h"
#include "data/PlayerDatabase.h"
#include "data/TextFile.h"
#include "engine/TextRules.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace {

const QString kEndMarker = QStringLiteral("<--END-->");
constexpr qsizetype kOriginLength = 99;

// UTF-8 after the byte-order marks at the start is decoded exactly; any other
// bytes as Windows-1252, one character per byte: Latin-1 outside 0x80..0x9F,
// and inside it either the byte itself (the five undefined codes) or a
// character above U+00FF.
//
// Every leading mark goes, not just the first: the high-score file is written
// back without one, so a U+FEFF kept at the start of the first name would be
// read as a mark after the next save and the name would change.
void checkDecodeText(const QByteArray &bytes, const QString &text)
{
    QByteArrayView body(bytes);
    // UTF-16 with its mark: Qt's own decoder; only the size is checked.
    if (body.startsWith("\xFF\xFE") || body.startsWith("\xFE\xFF")) {
        FUZZ_CHECK(text.size() <= body.size() / 2);
        return;
    }
    while (body.startsWith("\xEF\xBB\xBF"))
        body = body.sliced(3);
    if (body.isValidUtf8()) {
        FUZZ_CHECK(text.toUtf8() == body.toByteArray());
        return;
    }
    // Only the body is checked: what the mark bytes become in the
    // Windows-1252 fallback is not specified.
    FUZZ_CHECK(text.size() >= body.size());
    const qsizetype offset = text.size() - body.size();
    for (qsizetype i = 0; i < body.size(); ++i) {
        const auto byte = static_cast<unsigned char>(body[i]);
        const char16_t c = text[offset + i].unicode();
        if (byte < 0x80 || byte >= 0xA0)
            FUZZ_CHECK(c == byte);
        else
            FUZZ_CHECK(c == byte || c > 0xFF);
    }
}

// The lines, read back from the start of the text, must be the text itself
// with each line's end (CR LF, LF or a lone CR) taken away; a line end after
// the last line starts no empty line.
void checkSplitLines(const QString &text, const QStringList &lines)
{
    qsizetype pos = 0;
    for (const QString &line : lines) {
        FUZZ_CHECK(!line.contains(u'\n') && !line.contains(u'\r'));
        FUZZ_CHECK(QStringView(text).sliced(pos).startsWith(line));
        pos += line.size();
        if (pos < text.size()) {
            FUZZ_CHECK(text[pos] == u'\n' || text[pos] == u'\r');
            pos += text[pos] == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n' ? 2 : 1;
        }
    }
    FUZZ_CHECK(pos == text.size());
}

bool hasOuterSpace(const QString &text)
{
    return text.startsWith(u' ') || text.endsWith(u' ');
}

void checkPlayerList(const PlayerList &list, const QStringList &lines)
{
    FUZZ_CHECK(list.PlayerNames.size() == PlayerList::kSlots + 1);
    FUZZ_CHECK(list.PlayerFrom.size() == PlayerList::kSlots + 1);
    const int count = list.count();
    FUZZ_CHECK(count >= 1 && count <= PlayerList::kSlots);
    FUZZ_CHECK(list.PlayerNames[0].isEmpty());
    FUZZ_CHECK(list.PlayerFrom[0].isEmpty());
    for (int slot = 1; slot <= count; ++slot) {
        const QString &name = list.PlayerNames[static_cast<std::size_t>(slot)];
        const QString &from = list.PlayerFrom[static_cast<std::size_t>(slot)];
        FUZZ_CHECK(!name.isEmpty());
        FUZZ_CHECK(!name.trimmed().isEmpty());
        FUZZ_CHECK(!hasOuterSpace(name));
        FUZZ_CHECK(!hasOuterSpace(from));
        FUZZ_CHECK(from.size() <= kOriginLength);
    }
    for (int slot = count + 1; slot <= PlayerList::kSlots; ++slot) {
        FUZZ_CHECK(list.PlayerNames[static_cast<std::size_t>(slot)].isEmpty());
        FUZZ_CHECK(list.PlayerFrom[static_cast<std::size_t>(slot)].isEmpty());
    }

    // Every name is one of the first 1000 lines with its spaces trimmed, in
    // file order, one line each, and none comes from the end marker or after it.
    const QStringList firstLines = lines.mid(0, PlayerList::kSlots);
    const qsizetype marker = firstLines.indexOf(kEndMarker);
    const qsizetype readable = marker < 0 ? firstLines.size() : marker;
    FUZZ_CHECK(count <= readable);
    qsizetype next = 0;
    for (int slot = 1; slot <= count; ++slot) {
        const QString &name = list.PlayerNames[static_cast<std::size_t>(slot)];
        while (next < readable && trimSpaces(lines[next]).normalized(QString::NormalizationForm_C) != name)
            ++next;
        FUZZ_CHECK(next < readable);
        ++next;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    // In memory.
    const QString text = decodeText(bytes);
    checkDecodeText(bytes, text);
    const QStringList lines = splitLines(text);
    checkSplitLines(text, lines);

    // On disk.
    const QString path = fuzz::databaseFolder() + QStringLiteral("/data.txt");
    fuzz::writeWholeFile(path, bytes);
    FUZZ_CHECK(readTextLines(path) == lines);
    PlayerList list;
    try {
        list = loadPlayerDatabase(path);
    } catch (const DataError &error) {
        // Refused: the message names the file, and the line when one is at fault.
        const QString message = QString::fromStdString(error.what());
        FUZZ_CHECK(message.startsWith(path + QStringLiteral(": "))
                   || message.startsWith(path + QStringLiteral(", line ")));
        return 0;
    }
    checkPlayerList(list, lines);
    return 0;
}
