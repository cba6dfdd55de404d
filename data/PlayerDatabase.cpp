#include "data/PlayerDatabase.h"

#include "data/DataError.h"
#include "data/TextFile.h"
#include "engine/TextRules.h"

#include <algorithm>

namespace {

const QString kEndMarker = QStringLiteral("<--END-->");
const QString kHeaderMark = QStringLiteral("<------------------------"); // "<" and 24 hyphens
constexpr qsizetype kOriginLength = 99;

} // namespace

PlayerList loadPlayerDatabase(const QString &path)
{
    return parsePlayerDatabase(readFileBytes(path), path);
}

PlayerList parsePlayerDatabase(const QByteArray &bytes, const QString &path)
{
    const QStringList lines = splitLines(decodeText(bytes));
    PlayerList list;
    QString origin; // of the names under the last header, as they store it
    // Only the first 1000 lines count; the end of the file ends the list as
    // the end marker does.
    const int readable = static_cast<int>(std::min<qsizetype>(lines.size(), PlayerList::kSlots));
    for (int i = 1; i <= readable; ++i) {
        const QString &line = lines[i - 1];
        // A line of white space alone would store a name nobody can see or
        // guess, and would end the list early: it counts as blank.
        if (line.trimmed().isEmpty() || line.startsWith(QStringLiteral("//")))
            continue;
        if (line == kEndMarker)
            break;
        if (line.startsWith(kHeaderMark)) {
            origin = trimSpaces(line.mid(kHeaderMark.size(), kOriginLength)).normalized(QString::NormalizationForm_C);
            continue;
        }
        // The k-th name line takes slot k. Composed form, so an accented
        // letter is one character to guess.
        const QString name = trimSpaces(line).normalized(QString::NormalizationForm_C);
        if (std::any_of(line.cbegin(), line.cend(), [](QChar c) { return c.category() == QChar::Other_Control; })) {
            throw DataError(
                path, i, QStringLiteral("the name %1 holds a character nobody can type").arg(DataError::quote(name)));
        }
        list.PlayerNames.push_back(name);
        list.PlayerFrom.push_back(origin);
    }
    if (list.count() == 0)
        throw DataError(path, QStringLiteral("holds no player names; the game needs at least one"));
    return list;
}
