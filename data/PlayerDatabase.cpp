#include "data/PlayerDatabase.h"

#include "data/DataError.h"
#include "data/TextFile.h"

#include <algorithm>

namespace {

const QString kEndMarker = QStringLiteral("<--END-->");
const QString kHeaderMark = QStringLiteral("<------------------------"); // "<" and 24 hyphens
constexpr qsizetype kOriginLength = 99;

// Removes spaces (only spaces) at both ends.
QString trimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first] == u' ')
        ++first;
    while (end > first && text[end - 1] == u' ')
        --end;
    return text.sliced(first, end - first);
}

// Composed form, so an accented letter is one character to guess.
QString composed(const QString &text)
{
    return trimSpaces(text).normalized(QString::NormalizationForm_C);
}

bool hasControlCharacter(const QString &line)
{
    return std::any_of(line.cbegin(), line.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

} // namespace

PlayerList readPlayerDatabase(const QString &path)
{
    return parsePlayerDatabase(readFileBytes(path), path);
}

PlayerList parsePlayerDatabase(const QByteArray &bytes, const QString &path)
{
    const QStringList lines = splitLines(decodeText(bytes));
    PlayerList players;
    QString origin; // of the group the next name stands in
    // The end of the file ends the list as the end marker does.
    const qsizetype readable = std::min<qsizetype>(lines.size(), kReadablePlayerLines);
    for (qsizetype index = 0; index < readable; ++index) {
        const QString &line = lines[index];
        // A line of white space alone would be a name nobody can see or
        // guess: it counts as blank.
        if (line.trimmed().isEmpty() || line.startsWith(QStringLiteral("//")))
            continue;
        if (line == kEndMarker)
            break;
        if (line.startsWith(kHeaderMark)) {
            origin = composed(line.mid(kHeaderMark.size(), kOriginLength));
            continue;
        }
        const QString name = composed(line);
        if (hasControlCharacter(line)) {
            throw DataError(
                path, static_cast<int>(index + 1),
                QStringLiteral("the name %1 holds a character nobody can type").arg(DataError::quote(name)));
        }
        players.push_back({name, origin});
    }
    if (players.empty())
        throw DataError(path, QStringLiteral("holds no player names; the game needs at least one"));
    return players;
}
