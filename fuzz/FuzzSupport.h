#pragma once

// Shared by the libFuzzer targets: a broken invariant stops the run at once,
// and the data files are written to one temporary database/ folder per process.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// __builtin_trap() raises SIGILL; libFuzzer reports it as a crash, prints the
// stack and saves the input. The line names the broken invariant first.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition);                     \
            __builtin_trap();                                                                                          \
        }                                                                                                              \
    } while (false)

namespace fuzz {

// A problem of the machine, not of the code under test: stop with a message.
[[noreturn]] inline void environmentFailure(const char *what, const QString &detail)
{
    std::fprintf(stderr, "fuzz set-up failed: %s: %s\n", what, qPrintable(detail));
    std::abort();
}

// <temporary folder>/database, made on first use and removed at a normal exit.
inline const QString &databaseFolder()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/nomilo-fuzz-XXXXXX"));
    static const QString folder = [] {
        if (!dir.isValid())
            environmentFailure("cannot create a temporary folder", dir.errorString());
        if (!QDir(dir.path()).mkpath(QStringLiteral("database")))
            environmentFailure("cannot create database/ in", dir.path());
        return dir.path() + QStringLiteral("/database");
    }();
    return folder;
}

inline void writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        environmentFailure("cannot open for writing", path + QStringLiteral(": ") + file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush())
        environmentFailure("cannot write", path + QStringLiteral(": ") + file.errorString());
}

inline QByteArray readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        environmentFailure("cannot open for reading", path + QStringLiteral(": ") + file.errorString());
    return file.readAll();
}

} // namespace fuzz
