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
        = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/nomilo/hscores.txt");
    return {shared + QStringLiteral("data.txt"), HighScoreFile(own, shared + QStringLiteral("hscores.txt"))};
}
