#include "data/DataFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

DataFiles locateDataFiles(const QString &programDir)
{
    const QString portable = programDir + QStringLiteral("/database/");
    if (QFileInfo(portable).isDir())
        return {portable + QStringLiteral("data.txt"), HighScoreFile(portable + QStringLiteral("hscores.txt"))};

    const QString shared = QDir::cleanPath(programDir + QStringLiteral("/../share/nomilo")) + u'/';
    const QString own
        = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/nomilo/");
    HighScoreFile highScores(own + QStringLiteral("hscores.txt"), shared + QStringLiteral("hscores.txt"));
    if (QFileInfo::exists(own + QStringLiteral("data.txt"))) {
        return {own + QStringLiteral("data.txt"), std::move(highScores),
                QStringLiteral("To play the shipped list again, move this file away.")};
    }
    return {shared + QStringLiteral("data.txt"), std::move(highScores)};
}
