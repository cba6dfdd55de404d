#include "GameFixture.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

void GameFixture::writeFile(const QString &relative, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(path(relative)).path());
    QFile file(path(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << relative.toStdString();
    file.write(bytes);
}

QByteArray GameFixture::readFile(const QString &relative) const
{
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray crlfLines(const QStringList &lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

void GameFixture::writePlayers(const QStringList &originAndNames) const
{
    QStringList lines{QStringLiteral("// test players")};
    for (const QString &pair : originAndNames) {
        const auto parts = pair.split(u':');
        lines << QStringLiteral("<------------------------") + parts[0] << parts[1];
    }
    lines << QStringLiteral("<--END-->");
    writeFile(QStringLiteral("database/data.txt"), crlfLines(lines));
}

void GameFixture::writeScores(const QStringList &names, const QStringList &scores) const
{
    writeFile(QStringLiteral("database/hscores.txt"), crlfLines(names + scores));
}

DataFiles GameFixture::files() const
{
    return {path(QStringLiteral("database/data.txt")), HighScoreFile(path(QStringLiteral("database/hscores.txt")))};
}

void GameFixture::start(std::vector<double> picks)
{
    random = PlannedRandom(std::move(picks));
    game = std::make_unique<Game>(screen, random, files());
    game->Form_Activate();
}

void GameFixture::type(const QString &letter)
{
    screen.text = letter;
    game->TextEnter_Change();
}

void GameFixture::guess(const QString &letter)
{
    type(letter);
    game->CheckLetter_Click();
}

void GameFixture::ticks(int count)
{
    for (int i = 0; i < count; ++i)
        game->Timer1_Timer();
}

namespace {

// Runs `check` in a child process after `prepare`; true when both held.
bool passesInChild(const std::function<bool()> &prepare, const std::function<bool()> &check)
{
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        bool passed = false;
        try {
            passed = prepare() && check();
        } catch (...) {
        }
        ::_exit(passed ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

bool passesWithFileSizeLimit(long bytes, const std::function<bool()> &check)
{
    return passesInChild(
        [bytes] {
            ::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
            const rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
            return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        },
        check);
}

bool passesAsUnprivilegedUser(const QString &folder, const std::function<bool()> &check)
{
    return passesInChild(
        [folder] {
            if (::geteuid() != 0)
                return true;
            // Root ignores permissions: become "nobody", who may read the folder.
            QFile::setPermissions(
                folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
            constexpr uid_t kNobody = 65534;
            return ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        },
        check);
}
