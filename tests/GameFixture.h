#pragma once

#include "FakeScreen.h"
#include "data/DataFiles.h"
#include "engine/Game.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

// A program folder of its own with database/ files, and a game on a fake screen.
class GameFixture : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakeScreen screen;
    PlannedRandom random;
    std::unique_ptr<Game> game;

    QString path(const QString &relative) const { return dir.path() + u'/' + relative; }
    void writeFile(const QString &relative, const QByteArray &bytes) const;
    QByteArray readFile(const QString &relative) const;
    QByteArray scoreFile() const { return readFile(QStringLiteral("database/hscores.txt")); }

    // A player database with one name per group, as "Origin:Name" pairs.
    void writePlayers(const QStringList &originAndNames) const;
    void writeScores(const QStringList &names, const QStringList &scores) const;
    DataFiles files() const;

    // Starts the game as the window does when it opens.
    void start(std::vector<double> picks = {0.0});
    // The player types a character into the box, and presses Enter.
    void type(const QString &letter);
    void guess(const QString &letter);
    void ticks(int count);
};

// Lines joined by CR LF, with one after the last.
QByteArray crlfLines(const QStringList &lines);

// Runs a check in a child process whose files may grow to at most `bytes`,
// as on a full disk; the limit binds root too. True when the check passed.
bool passesWithFileSizeLimit(long bytes, const std::function<bool()> &check);

// Runs a check in a child process that permissions bind, even when the tests
// run as root; `folder` is made readable for it.
bool passesAsUnprivilegedUser(const QString &folder, const std::function<bool()> &check);
