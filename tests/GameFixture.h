#pragma once

#include "FakeScreen.h"
#include "data/DataFiles.h"
#include "engine/Game.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Lines joined by CR LF, with one after the last.
inline QByteArray crlfLines(const QStringList &lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

// A program folder of its own with database/ files, and a game on a fake screen.
class GameFixture : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakeScreen screen;
    PlannedRandom random;
    std::unique_ptr<Game> game;

    QString path(const QString &relative) const { return dir.path() + u'/' + relative; }
    void writeFile(const QString &relative, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << relative.toStdString();
    }
    // A file's lines, each followed by "|"; "missing" when there is none.
    QString lines(const QString &relative = QStringLiteral("database/hscores.txt")) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly)
            ? QString::fromUtf8(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("|"))
            : "missing";
    }
    // A player database with one name per group, as "Origin:Name" pairs.
    void writePlayers(const QStringList &originAndNames) const
    {
        QStringList lines{QStringLiteral("// test players")};
        for (const QString &pair : originAndNames)
            lines << QStringLiteral("<------------------------") + pair.section(u':', 0, 0) << pair.section(u':', 1);
        writeFile(QStringLiteral("database/data.txt"), crlfLines(lines << QStringLiteral("<--END-->")));
    }
    void writeScores(const QString &names, const QString &scores) const
    {
        writeFile(QStringLiteral("database/hscores.txt"), crlfLines(names.split(u' ') + scores.split(u' ')));
    }
    DataFiles files() const
    {
        return {path(QStringLiteral("database/data.txt")), HighScoreFile(path(QStringLiteral("database/hscores.txt")))};
    }
    // Starts the game as the window does when it opens.
    void start(std::vector<double> picks = {0.0})
    {
        random = PlannedRandom(std::move(picks));
        game = std::make_unique<Game>(screen, random, files());
        game->Form_Activate();
    }
    // The player types a character into the box (and presses Enter).
    void type(const QString &letter)
    {
        screen.text = letter;
        game->TextEnter_Change();
    }
    void guess(const QString &letter)
    {
        type(letter);
        game->CheckLetter_Click();
    }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            game->Timer1_Timer();
    }
};

// Runs a check in a child process whose files may grow to at most
// `fileLimit` bytes, as on a full disk (root too); true when it passed there.
inline bool passesInChild(const std::function<bool()> &check, rlim_t fileLimit = RLIM_INFINITY)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
        const rlimit limit{fileLimit, fileLimit};
        ::_exit(::setrlimit(RLIMIT_FSIZE, &limit) == 0 && check() ? 0 : 1); // checks catch their own errors
    }
    int status = 1;
    ::waitpid(child, &status, 0);
    return child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
