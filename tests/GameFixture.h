#pragma once

#include "FakeView.h"
#include "data/DataFiles.h"
#include "engine/Game.h"

#include <QtCore>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <list>
#include <sys/resource.h>

// What a call throws, or "no error".
template <typename Call>
std::string errorOf(Call call)
{
    try {
        call();
    } catch (const std::exception &error) {
        return error.what();
    }
    return "no error";
}

// What `call` throws on a full disk: files may grow to `bytes` at most (root too).
template <typename Call>
std::string errorOnAFullDisk(rlim_t bytes, Call call)
{
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    const rlimit full{bytes, before.rlim_max};
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
    const std::string error = errorOf(call);
    ::setrlimit(RLIMIT_FSIZE, &before);
    return error;
}

// One copy of the game, on a recording view, played as a player would.
struct Session {
    FakeView view;
    PlannedRandom random;
    Game game;

    explicit Session(const DataFiles &files)
        : game(view, random, files)
    {
        view.game = &game;
    }
    // A new game, drawing the players at these indexes, level after level.
    void start(std::vector<int> picks = {0})
    {
        random.picks = std::move(picks);
        random.next = 0;
        game.start();
    }
    // The player types a character into the box and presses Enter.
    template <typename... Letters>
    void guess(const Letters &...letters)
    {
        ((view.type(letters), game.guess(view.letterBox)), ...);
    }
    void ticks(int count)
    {
        while (count-- > 0)
            game.tick();
    }
    // Plays a new game to this final score, with the fixture's two players:
    // levels of "A" worth 3 points each, then up to two letters of "Bcd";
    // then misses until the game is over, answering the name box (if any) so.
    void finishWith(int score, const QString &answer = "Me")
    {
        std::vector<int> picks(static_cast<std::size_t>(score / 3), 0);
        picks.push_back(1);
        start(picks);
        for (const QString &letter : QStringList(score / 3, "a") + QStringList{"b", "c"}.mid(0, score % 3))
            guess(letter);
        view.boxes.clear();
        view.answer = answer;
        while (view.boxes.empty())
            guess("7");
    }
};

// A program folder of its own with database/ files, and a game in it.
struct GameFixture : ::testing::Test {
    QTemporaryDir dir;

    QString path(const QString &relative) const { return dir.path() + u'/' + relative; }
    void writeFile(const QString &relative, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << relative.toStdString();
    }
    // A file's text with "|" for CR LF; "missing" when there is no file.
    QString lines(const QString &relative = "database/hscores.txt") const
    {
        QFile file(path(relative));
        return (file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "missing").replace("\r\n", "|");
    }
    // A player database with one name per group, as "Origin:Name" pairs.
    void writePlayers(const QStringList &originAndNames) const
    {
        QStringList lines{"// test players"};
        for (const QString &pair : originAndNames)
            lines << "<------------------------" + pair.section(u':', 0, 0) << pair.section(u':', 1);
        writeFile("database/data.txt", (lines.join("\r\n") + "\r\n<--END-->\r\n").toUtf8());
    }
    void writeScores(const QString &names, const QString &scores) const
    {
        writeFile("database/hscores.txt", (QString(names + ' ' + scores).replace(' ', "\r\n") + "\r\n").toUtf8());
    }
    DataFiles files() const { return {path("database/data.txt"), HighScoreFile(path("database/hscores.txt"))}; }

    // A copy of the game on these players and, unless there is one already,
    // a table of Ann 40 to Ed 10; not started yet.
    Session &newGame(const QStringList &players = {"Testland:A", "Testland:Bcd"})
    {
        writePlayers(players);
        if (!QFile::exists(path("database/hscores.txt")))
            writeScores("Ann Ben Cy Di Ed", "40 30 30 20 10");
        return sessions.emplace_back(files());
    }
    std::list<Session> sessions;
};
