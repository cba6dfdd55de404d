#pragma once

#include "FakeScreen.h"
#include "data/DataFiles.h"
#include "engine/Game.h"

#include <QtCore>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
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

// Runs `call` as on a full disk: files may grow to `bytes` at most (root too).
template <typename Call>
void onAFullDisk(rlim_t bytes, Call call)
{
    ::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    const rlimit full{bytes, before.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
    call();
    ::setrlimit(RLIMIT_FSIZE, &before);
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
    // Starts the game as the window does when it opens.
    void start(std::vector<double> picks = {0.0})
    {
        random.fractions = std::move(picks);
        game = std::make_unique<Game>(screen, random, files());
        game->Form_Activate();
    }
    // ... with one name, against five places with these scores.
    void play(const QString &name, const QString &scores = "40 30 20 10 5")
    {
        writePlayers({"Testland:" + name});
        writeScores("Ann Ben Cy Di Ed", scores);
        start();
    }
    // The player types a character into the box (and presses Enter).
    void type(const QString &letter)
    {
        screen.text = letter;
        game->TextEnter_Change();
    }
    template <typename... Letters>
    void guess(const Letters &...letters)
    {
        ((type(letters), game->CheckLetter_Click()), ...);
    }
    void ticks(int count)
    {
        while (count-- > 0)
            game->Timer1_Timer();
    }
    // Ends a game with this score, as the last life lost would.
    static void endWith(Game &game, FakeScreen &screen, int score, const QString &answer = "Me")
    {
        screen.boxes.clear();
        screen.answer = answer;
        game.GetPoints(static_cast<qint16>(score - game.gameScore()));
        screen.captions[Label::Lives] = "1";
        game.LoseLife();
    }
};
