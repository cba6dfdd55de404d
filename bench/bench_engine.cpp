// Benchmarks of the engine's hot paths, against the targets in bench/README.md:
// loading a 1000-line player database, the high-score round trip, one guess
// and one clock tick. The game runs on the tests' recording fake screen.

#include "data/HighScores.h"
#include "data/PlayerDatabase.h"
#include "engine/Game.h"
#include "tests/FakeScreen.h"

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
    if (const int count = loadPlayerDatabase(path).count(); count != expected)
        die("the generated database holds " + std::to_string(count) + " names, not " + std::to_string(expected));

    for (auto _ : state) {
        PlayerList list = loadPlayerDatabase(path);
        benchmark::DoNotOptimize(list);
        benchmark::ClobberMemory();
    }
    state.counters["names"] = expected;
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}
BENCHMARK(BM_LoadPlayers)->Unit(benchmark::kMicrosecond);

void BM_LoadScores(benchmark::State &state)
{
    const ScoresFile scores;
    const HighScoreFile file(scores.path);
    for (auto _ : state) {
        HighScoreTable table = file.read();
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_LoadScores)->Unit(benchmark::kMicrosecond);

// What the game does when a score earns a place: lock, read, write, unlock.
void BM_PlaceScore(benchmark::State &state)
{
    const ScoresFile scores;
    const HighScoreFile file(scores.path);
    for (auto _ : state)
        file.update([](HighScoreTable &) { return true; });
    if (file.read()[1].Name != QStringLiteral("Rita"))
        state.SkipWithError("the round trip changed the file");
}
BENCHMARK(BM_PlaceScore)->Unit(benchmark::kMicrosecond);

// ---------------------------------------------------------------------------
// The game on a recording screen

// Lives at the start of a game, as in the real game.
constexpr int kStartLives = 10;

struct PlayingGame {
    QTemporaryDir dir;
    FakeScreen screen;
    PlannedRandom random;
    Game game{screen,
              random,
              {dir.path() + QStringLiteral("/database/data.txt"),
               HighScoreFile(dir.path() + QStringLiteral("/database/hscores.txt"))}};

    PlayingGame()
    {
        writeFile(dir.path() + QStringLiteral("/database/data.txt"),
                  crlfLines({QStringLiteral("// benchmark"), QStringLiteral("<------------------------Italy"),
                             kGuessName, QStringLiteral("<--END-->")}));
        writeFile(dir.path() + QStringLiteral("/database/hscores.txt"), shippedScores());
        game.Form_Activate();
        if (game.currentName() != kGuessName || kGuessName.size() != 30)
            die("the game did not start on the 30-character name");
    }

    double lives() const { return screen.lives().toDouble(); }

    // The player types a character, which raises the change event.
    void type(const QString &letter)
    {
        screen.text = letter;
        game.TextEnter_Change();
    }
    void guess(const QString &letter)
    {
        type(letter);
        game.CheckLetter_Click();
    }

    // A fresh level on the same name, a few letters into it: an empty log,
    // "a", "l" and "e" found (none completes the name). The lives are set so
    // that `guesses` repeated letters leave the usual 10 at the end of the
    // level: the lives caption keeps a realistic two to four digits. (Its
    // length matters: the caption is parsed as a number on every lost life,
    // at a cost that grows with each character.)
    void freshLevel(std::int64_t guesses)
    {
        game.NextLevel();
        screen.boxes.clear(); // the "Congratulations" box of NextLevel
        for (const QString &letter : {QStringLiteral("a"), QStringLiteral("l"), QStringLiteral("e")})
            guess(letter);
        screen.setCaption(Label::Lives, QString::number(guesses + kStartLives));
    }
};

// One press of "Enter letter" with a letter that is in the name but already
// entered: CheckLog finds it, the position loop still runs over all 30
// characters (five of them match), a life is lost, the letter is appended to
// Entered and the log, the box is cleared (which raises TextEnter_Change) and
// the masked name is shown again. Every state.range(0) guesses the level is
// restarted (untimed), so the log, the Entered caption and the lives caption
// stay as short as in a real level; 1000 fills the log, the worst case.
void BM_Guess(benchmark::State &state)
{
    PlayingGame play;
    const QString letter = QStringLiteral("a");
    const std::int64_t perLevel = state.range(0);
    play.freshLevel(perLevel);
    std::int64_t inLevel = 0;
    // Each guess must cost exactly one life (so each did a guess's full work)
    // and open no box (no level and no game ended).
    const auto levelWentAsPlanned = [&] {
        return play.screen.boxes.empty() && play.lives() == static_cast<double>(perLevel - inLevel + kStartLives);
    };
    for (auto _ : state) {
        if (inLevel == perLevel) {
            state.PauseTiming();
            if (!levelWentAsPlanned()) {
                state.SkipWithError("a guess did not cost one life, or ended the level or the game");
                break;
            }
            play.freshLevel(perLevel);
            inLevel = 0;
            state.ResumeTiming();
        }
        play.screen.text = letter; // as typed, without the change event
        play.game.CheckLetter_Click();
        ++inLevel;
    }
    if (!state.error_occurred() && !levelWentAsPlanned())
        state.SkipWithError("a guess did not cost one life, or ended the level or the game");
    benchmark::DoNotOptimize(play.game.hiddenName());
}
BENCHMARK(BM_Guess)->ArgName("guesses_per_level")->Arg(64)->Arg(1000)->Unit(benchmark::kMicrosecond);

// The same, with the change event of typing the letter before the click.
void BM_TypeAndGuess(benchmark::State &state)
{
    PlayingGame play;
    const QString letter = QStringLiteral("a");
    const std::int64_t perLevel = state.range(0);
    play.freshLevel(perLevel);
    std::int64_t inLevel = 0;
    for (auto _ : state) {
        if (inLevel == perLevel) {
            state.PauseTiming();
            play.freshLevel(perLevel);
            inLevel = 0;
            state.ResumeTiming();
        }
        play.guess(letter);
        ++inLevel;
    }
    if (!play.screen.boxes.empty())
        state.SkipWithError("a guess opened a box: the level or the game ended");
    benchmark::DoNotOptimize(play.game.hiddenName());
}
BENCHMARK(BM_TypeAndGuess)->ArgName("guesses_per_level")->Arg(64)->Unit(benchmark::kMicrosecond);

// One clock tick: the time caption read, lowered and written back, the time
// label's colour set. Every 90 ticks the clock is set back to 100 s (untimed),
// so no level ever runs out of time.
void BM_ClockTick(benchmark::State &state)
{
    PlayingGame play;
    constexpr int kTicksPerReset = 90;
    const QString fullTime = QStringLiteral("100");
    const double livesBefore = play.lives();
    play.screen.setCaption(Label::Time, fullTime);
    int ticks = 0;
    for (auto _ : state) {
        if (ticks == kTicksPerReset) {
            state.PauseTiming();
            play.screen.setCaption(Label::Time, fullTime);
            ticks = 0;
            state.ResumeTiming();
        }
        play.game.Timer1_Timer();
        ++ticks;
    }
    if (play.lives() != livesBefore || !play.screen.boxes.empty())
        state.SkipWithError("the clock ran out during the run");
    benchmark::DoNotOptimize(play.screen.caption(Label::Time));
}
BENCHMARK(BM_ClockTick)->Unit(benchmark::kNanosecond);

} // namespace

BENCHMARK_MAIN();
