#include "data/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

DataFiles locateDataFiles(const QString &programDir)
{
    const QString portable = programDir + QStringLiteral("/database/");
    if (QFileInfo(portable).isDir()) {
        const QString players = portable + QStringLiteral("data.txt");
        return {players, HighScoreFile(portable + QStringLiteral("hscores.txt")),
                QFileInfo::exists(players)
                    ? QString()
                    : QCoreApplication::translate("DataFiles",
                                                  "A portable copy plays the player list in its database folder: "
                                                  "copy the game's data.txt back there.")};
    }

    const QString shared = QDir::cleanPath(programDir + QStringLiteral("/../share/nomilo")) + u'/';
    const QString own
        = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/nomilo/");
    HighScoreFile highScores(own + QStringLiteral("hscores.txt"), shared + QStringLiteral("hscores.txt"));
    const QString ownList = own + QStringLiteral("data.txt");
    if (QFileInfo::exists(ownList)) {
        return {ownList, std::move(highScores),
                QCoreApplication::translate("DataFiles", "To play the shipped list again, move this file away."), true};
    }
    return {shared + QStringLiteral("data.txt"), std::move(highScores)};
}
