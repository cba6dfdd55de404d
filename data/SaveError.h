#pragma once

#include <QCoreApplication>
#include <QString>

#include <stdexcept>

// Saving the high scores failed. The file on disk is still the old table, or
// where it was written in place, as much of it as could be put back.
class SaveError : public std::runtime_error {
    Q_DECLARE_TR_FUNCTIONS(SaveError)

public:
    SaveError(const QString &path, const QString &reason)
        : std::runtime_error(tr("The high scores could not be saved to %1: %2").arg(path, reason).toStdString())
    {
    }
};
