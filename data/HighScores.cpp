#include "data/HighScores.h"

#include "data/DataError.h"
#include "data/TextFile.h"
#include "engine/TextRules.h"

#include <QSaveFile>

#include <filesystem>

namespace {

constexpr int kLines = 2 * HighScoreTable::kPlaces;

SaveError saveError(const QString &path, const QString &reason)
{
    return SaveError(QStringLiteral("The high scores could not be saved to %1: %2").arg(path, reason).toStdString());
}

HighScoreTable firstRunTable()
{
    HighScoreTable table;
    for (int place = 1; place <= HighScoreTable::kPlaces; ++place)
        table[place].Score = QStringLiteral("0");
    return table;
}

} // namespace

HighScoreTable readHighScoreFile(const QString &path)
{
    HighScoreTable table;
    // Only a file that is not there is a first run; one that cannot be
    // reached (no permission, say) is an error the read reports.
    std::error_code error;
    if (std::filesystem::status(path.toStdString(), error).type() == std::filesystem::file_type::not_found) {
        table = firstRunTable();
    } else {
        const QStringList lines = readTextLines(path);
        if (lines.size() < kLines) {
            throw DataError(path, static_cast<int>(lines.size()) + 1,
                            QStringLiteral("the file ends here, but a high-score file has %1 lines: "
                                           "five names, then five scores")
                                .arg(kLines));
        }
        for (int place = 1; place <= HighScoreTable::kPlaces; ++place) {
            const int scoreLine = HighScoreTable::kPlaces + place;
            table[place].Name = lines[place - 1];
            table[place].Score = lines[scoreLine - 1];
            if (!isNumberText(table[place].Score)) {
                throw DataError(
                    path, scoreLine,
                    QStringLiteral("the score %1 is not a number").arg(DataError::quote(table[place].Score)));
            }
        }
    }
    table[0].Score = HighScoreTable::kSentinelScore;
    return table;
}

void writeHighScoreFile(const QString &path, const HighScoreTable &table)
{
    // A line break inside a value would shift every later line of the file.
    for (int place = 1; place <= HighScoreTable::kPlaces; ++place) {
        for (const QString &value : {table[place].Name, table[place].Score}) {
            if (value.contains(u'\n') || value.contains(u'\r')) {
                throw saveError(path, QStringLiteral("place %1 holds a line break").arg(place));
            }
        }
    }

    QString text;
    for (int place = 1; place <= HighScoreTable::kPlaces; ++place)
        text += table[place].Name + QStringLiteral("\r\n");
    for (int place = 1; place <= HighScoreTable::kPlaces; ++place)
        text += table[place].Score + QStringLiteral("\r\n");

    // QSaveFile writes beside the file and renames over it only when every
    // byte is on disk, so a failure leaves the old table intact.
    QSaveFile file(path);
    const auto fail = [&](const QString &reason) {
        file.cancelWriting();
        throw saveError(path, reason);
    };
    if (!file.open(QIODevice::WriteOnly))
        fail(file.errorString());
    const QByteArray bytes = text.toUtf8();
    // Flushed and checked here: commit() alone renames a file whose buffered
    // bytes failed to reach the disk.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError)
        fail(file.errorString());
    if (!file.commit())
        fail(file.errorString());
}
