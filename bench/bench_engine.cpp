// Benchmarks of the engine's hot paths, against the targets in bench/README.md:
// loading a 1000-line player database, the high-score round trip, one guess
// and one clock tick. The game runs on the tests' recording fake view.

#include "data/HighScoreFile.h"
#include "data/PlayerDatabase.h"
#include "engine/Game.h"
#include "tests/FakeView.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kDatabaseLines = 1000;
// Every this many lines, a group header starts a new country.
constexpr int kGroupLines = 20;
// 30 characters: spaces and a hyphen shown from the start, five a's.
const QString kGuessName = QStringLiteral("Alessandro Del Piero-Cannavaro");

[[noreturn]] void die(const std::string &why)
{
    std::fprintf(stderr, "nomilo_bench: %s\n", why.c_str());
    std::exit(2);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        die("cannot write " + path.toStdString());
}

QByteArray crlfLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

// A fixed pseudo-random sequence, so every run reads the same file.
class Lcg {
public:
    std::uint32_t next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state_ >> 33);
    }
    template <typename List>
    const auto &pick(const List &list)
    {
        return list[next() % list.size()];
    }

private:
    std::uint64_t state_ = 20030627;
};

// The database format as shipped: a comment, group headers ("<" and 24
// hyphens, then the country), one full name a line, CR LF, and the end
// marker as line 1000. Names are "Firstname Lastname", some with a second,
// hyphenated surname and some with accents (UTF-8).
QByteArray playerDatabase(int lineCount)
{
    static const std::array firstNames{
        u"Lionel",   u"Diego",     u"Zinedine",  u"Franz",       u"Johan",  u"Marco",      u"Gianluigi", u"Thierry",
        u"Roberto",  u"Paolo",     u"Andrés",    u"Xavi",        u"Luka",   u"Karl-Heinz", u"Bobby",     u"Gerd",
        u"Ferenc",   u"Eusébio",   u"Hristo",    u"Michael",     u"Zlatan", u"Didier",     u"Samuel",    u"Raúl",
        u"Fernando", u"Iker",      u"Sergio",    u"Cristiano",   u"Wayne",  u"Steven",     u"Frank",     u"Mohamed",
        u"Sadio",    u"Heung-min", u"Hidetoshi", u"Jean-Pierre", u"Ruud",   u"Dennis",     u"Oliver",    u"Manuel"};
    static const std::array lastNames{u"Müller",    u"Beckenbauer",    u"Cruyff",      u"van Basten", u"Buffon",
                                      u"Henry",     u"Baggio",         u"Maldini",     u"Iniesta",    u"Hernández",
                                      u"Modrić",    u"Rummenigge",     u"Charlton",    u"Puskás",     u"da Silva",
                                      u"Stoichkov", u"Laudrup",        u"Ibrahimović", u"Drogba",     u"Eto'o",
                                      u"González",  u"Torres",         u"Casillas",    u"Ramos",      u"Rooney",
                                      u"Gerrard",   u"Lampard",        u"Salah",       u"Mané",       u"Son",
                                      u"Nakata",    u"Papin",          u"Gullit",      u"Bergkamp",   u"Kahn",
                                      u"Neuer",     u"Schweinsteiger", u"Rijkaard",    u"Pirlo",      u"Nesta"};
    static const std::array countries{
        u"Brazil",   u"Argentina", u"Germany", u"Netherlands", u"Italy",    u"France",      u"Spain",       u"England",
        u"Portugal", u"Croatia",   u"Hungary", u"Sweden",      u"Cameroon", u"Ivory Coast", u"South Korea", u"Japan"};

    Lcg random;
    QStringList lines{QStringLiteral("// Nomilo benchmark players: generated, one name a line")};
    while (lines.size() < lineCount - 1) {
        if ((lines.size() - 1) % kGroupLines == 0) {
            lines << QStringLiteral("<------------------------") + QString::fromUtf16(random.pick(countries));
            continue;
        }
        QString name = QString::fromUtf16(random.pick(firstNames)) + u' ' + QString::fromUtf16(random.pick(lastNames));
        if (random.next() % 3 == 0)
            name += u'-' + QString::fromUtf16(random.pick(lastNames));
        lines << name;
    }
    lines << QStringLiteral("<--END-->");
    return crlfLines(lines);
}

QByteArray shippedScores()
{
    return crlfLines({QStringLiteral("Rita"), QStringLiteral("Sam"), QStringLiteral("Jo"), QStringLiteral("Alex"),
                      QStringLiteral("Kim"), QStringLiteral("40"), QStringLiteral("30"), QStringLiteral("20"),
                      QStringLiteral("10"), QStringLiteral("5")});
}

// ---------------------------------------------------------------------------
// Data files

// The shipped high-score file in a temporary folder of its own.
struct ScoresFile {
    QTemporaryDir dir;
    QString path = dir.path() + QStringLiteral("/database/hscores.txt");
    ScoresFile() { writeFile(path, shippedScores()); }
};

void BM_LoadPlayers(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/database/data.txt");
    writeFile(path, playerDatabase(kDatabaseLines));

    // 1000 lines: a comment, 50 headers, the end marker, and 948 names.
    const int expected = kDatabaseLines - 2 - (kDatabaseLines - 2 + kGroupLines - 1) / kGroupLines;
    if (const int count = static_cast<int>(readPlayerDatabase(path).size()); count != expected)
        die("the generated database holds " + std::to_string(count) + " names, not " + std::to_string(expected));

    for (auto _ : state) {
        PlayerList list = readPlayerDatabase(path);
        benchmark::DoNotOptimize(list);
        benchmark::ClobberMemory();
    }
    state.counters["names"] = expected;
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}
BENCHMARK(BM_LoadPlayers)->Unit(benchmark::kMicrosecond);

void BM_ReadScores(benchmark::State &state)
{
    const ScoresFile scores;
    const HighScoreFile file(scores.path);
    for (auto _ : state) {
        HighScoreTable table = file.read();
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_ReadScores)->Unit(benchmark::kMicrosecond);

// What the game does when a score earns a place: lock, read, rank, write,
// unlock. The score ties the fifth place, so the file is read and ranked but
// not written: placing it for real would change the table from run to run.
void BM_PlaceScore(benchmark::State &state)
{
    const ScoresFile scores;
    const HighScoreFile file(scores.path);
    for (auto _ : state)
        benchmark::DoNotOptimize(file.place(QStringLiteral("Tie"), 5));
    if (file.read().places()[0].name != QStringLiteral("Rita"))
        state.SkipWithError("the round trip changed the file");
}
BENCHMARK(BM_PlaceScore)->Unit(benchmark::kMicrosecond);

// ---------------------------------------------------------------------------
// The game on a recording view

struct PlayingGame {
    QTemporaryDir dir;
    FakeView view;
    PlannedRandom random;
    Game game{view,
              random,
              {dir.path() + QStringLiteral("/database/data.txt"),
               HighScoreFile(dir.path() + QStringLiteral("/database/hscores.txt"))}};

    PlayingGame()
    {
        writeFile(dir.path() + QStringLiteral("/database/data.txt"),
                  crlfLines({QStringLiteral("// benchmark"), QStringLiteral("<------------------------Italy"),
                             QStringLiteral("A"), kGuessName, QStringLiteral("<--END-->")}));
        writeFile(dir.path() + QStringLiteral("/database/hscores.txt"), shippedScores());
        view.game = &game;
    }

    void guess(const QString &letter)
    {
        view.type(letter);
        game.guess(letter);
    }

    // A fresh game with lives enough for `guesses` more, earned on levels of
    // "A" (2 lives each), then a level on the 30-character name a few letters
    // in: "a", "l" and "e" found (none completes the name). Untimed.
    void freshLevel(std::int64_t guesses)
    {
        const auto levels = static_cast<std::size_t>(std::max<std::int64_t>(0, guesses - Game::kStartingLives + 2) / 2);
        random.picks.assign(levels, 0);
        random.picks.push_back(1);
        random.next = 0;
        game.start();
        for (std::size_t level = 0; level < levels; ++level)
            guess(QStringLiteral("a"));
        for (const QString &letter : {QStringLiteral("a"), QStringLiteral("l"), QStringLiteral("e")})
            guess(letter);
        if (view.maskedName.size() != 30 || view.lives <= guesses)
            die("the game is not on the 30-character name, with lives enough");
        view.boxes.clear();
        livesAtStart = view.lives;
    }
    // Each guess must have cost exactly one life (so each did a guess's full
    // work) and opened no box (no level and no game ended).
    bool wentAsPlanned(std::int64_t done) const { return view.boxes.empty() && view.lives == livesAtStart - done; }

    int livesAtStart = 0;
};

// One press of "Enter letter" with a letter that is in the name but tried
// before: the letter is looked up among those tried, every letter of the
// 30-character name is compared (five match), a life is lost, the letter is
// listed and remembered, the box is cleared (a change of its text) and the
// masked name is shown again. Every state.range(0) guesses (untimed) a new
// game starts, so the letters tried stay as many as in a level; 1000 fills
// what a level remembers, the worst case.
void BM_Guess(benchmark::State &state)
{
    PlayingGame play;
    const QString letter = QStringLiteral("a");
    const std::int64_t kPerGame = state.range(0);
    play.freshLevel(kPerGame);
    std::int64_t done = 0;
    for (auto _ : state) {
        if (done == kPerGame) {
            state.PauseTiming();
            if (!play.wentAsPlanned(done)) {
                state.SkipWithError("a guess did not cost one life, or ended the level or the game");
                break;
            }
            play.freshLevel(kPerGame);
            done = 0;
            state.ResumeTiming();
        }
        play.view.letterBox = letter; // as typed, without the change event
        play.game.guess(letter);
        ++done;
    }
    if (!state.error_occurred() && !play.wentAsPlanned(done))
        state.SkipWithError("a guess did not cost one life, or ended the level or the game");
    benchmark::DoNotOptimize(play.view.maskedName);
}
BENCHMARK(BM_Guess)->ArgName("guesses_per_level")->Arg(9)->Arg(1000)->Unit(benchmark::kMicrosecond);

// The same, with the change event of typing the letter before the guess.
void BM_TypeAndGuess(benchmark::State &state)
{
    PlayingGame play;
    const QString letter = QStringLiteral("a");
    constexpr std::int64_t kPerGame = Game::kStartingLives - 1;
    play.freshLevel(kPerGame);
    std::int64_t done = 0;
    for (auto _ : state) {
        if (done == kPerGame) {
            state.PauseTiming();
            play.freshLevel(kPerGame);
            done = 0;
            state.ResumeTiming();
        }
        play.guess(letter);
        ++done;
    }
    if (!play.view.boxes.empty())
        state.SkipWithError("a guess opened a box: the level or the game ended");
    benchmark::DoNotOptimize(play.view.maskedName);
}
BENCHMARK(BM_TypeAndGuess)->Unit(benchmark::kMicrosecond);

// One clock tick: the seconds left lowered and shown with their look. Every
// 90 ticks a new game starts (untimed), so no level ever runs out of time.
void BM_ClockTick(benchmark::State &state)
{
    PlayingGame play;
    play.freshLevel(0);
    constexpr int kTicksPerGame = 90;
    int ticks = 0;
    for (auto _ : state) {
        if (ticks == kTicksPerGame) {
            state.PauseTiming();
            play.game.start();
            ticks = 0;
            state.ResumeTiming();
        }
        play.game.tick();
        ++ticks;
    }
    if (play.view.lives != Game::kStartingLives || !play.view.boxes.empty())
        state.SkipWithError("the clock ran out during the run");
    benchmark::DoNotOptimize(play.view.secondsLeft);
}
BENCHMARK(BM_ClockTick)->Unit(benchmark::kNanosecond);

} // namespace

BENCHMARK_MAIN();
