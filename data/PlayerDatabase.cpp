#include "data/PlayerDatabase.h"

#include "data/Characters.h"
#include "data/DataError.h"
#include "data/TextFile.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

const QString kEndMarker = QStringLiteral("<--END-->");
const QString kHeaderMark = QStringLiteral("<------------------------"); // "<" and 24 hyphens
constexpr qsizetype kOriginLength = 99;

// White space of any kind at either end is invisible in a file: it is
// trimmed. Composed form, so an accented letter is one character to guess.
QString cleaned(const QString &text)
{
    return text.trimmed().normalized(QString::NormalizationForm_C);
}

bool hasUntypable(const QString &name)
{
    const std::u32string points = codePoints(name);
    return std::any_of(points.cbegin(), points.cend(), isUntypable);
}

} // namespace

PlayerList readPlayerDatabase(const QString &path, const QString &advice)
{
    try {
        return parsePlayerDatabase(readFileBytes(path), path);
    } catch (const DataError &error) {
        if (advice.isEmpty())
            throw;
        throw DataError(error, advice);
    }
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
            QString shown = line.mid(kHeaderMark.size(), kOriginLength);
            if (!shown.isEmpty() && shown.back().isHighSurrogate())
                shown.chop(1); // no half of a character cut in two
            origin = cleaned(shown);
            continue;
        }
        const QString name = cleaned(line);
        if (hasUntypable(name)) {
            throw DataError(
                path, static_cast<int>(index + 1),
                QCoreApplication::translate("PlayerDatabase", "the name %1 holds a character nobody can type")
                    .arg(DataError::quote(name)));
        }
        players.push_back({name, origin});
    }
    if (players.empty())
        throw DataError(
            path, QCoreApplication::translate("PlayerDatabase", "holds no player names; the game needs at least one"));
    return players;
}
