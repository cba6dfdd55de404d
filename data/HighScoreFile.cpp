#include "data/HighScoreFile.h"

#include "data/DataError.h"
#include "data/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <filesystem>

#ifdef Q_OS_UNIX
#include <QDeadlineTimer>
#include <QThread>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#endif

namespace {

constexpr int kPlaces = HighScoreTable::kPlaces;
constexpr int kLines = 2 * kPlaces;
// Another copy holds the lock for a few milliseconds while it saves; a lock
// left by a copy that crashed is taken over at once.
constexpr int kLockTimeoutMs = 3000;

// Said after every fault of a table's file: how to play on. Moving the file
// away or deleting it takes a folder the player may write; in one only its
// owner may (a portable copy in a shared folder), the player is told who can,
// and what they may do themselves when the file is writable to them.
QString freshTable(const QString &path)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.exists() || folder.isWritable()) {
        return u' '
            + QCoreApplication::translate("HighScoreFile",
                                          "To start a fresh table, move this file away or delete it: "
                                          "the game makes a new one at the next placement.");
    }
    const QString owner = folder.owner();
    QString advice = u' '
        + (owner.isEmpty()
               ? QCoreApplication::translate("HighScoreFile",
                                             "To start a fresh table, ask the owner of its folder to move this file "
                                             "away or delete it (you may not): the game makes a new one at the next "
                                             "placement.")
               : QCoreApplication::translate("HighScoreFile",
                                             "To start a fresh table, ask %1, who owns its folder, to move this file "
                                             "away or delete it (you may not): the game makes a new one at the next "
                                             "placement.")
                     .arg(owner));
    if (QFileInfo(path).isWritable()) {
        advice += u' '
            + QCoreApplication::translate("HighScoreFile",
                                          "Or, as you may write it, mend it in a text editor, or make it a fresh "
                                          "table yourself: five empty lines, then five lines of 0.");
    }
    return advice;
}

// A score line as a number: decimal notation only, blanks around it allowed.
// Qt's own parser would also take "inf", "nan" and the like, which no score
// can be; it judges the rest of the form.
std::optional<double> scoreValue(const QString &line)
{
    const QString text = line.trimmed();
    const bool decimal
        = std::all_of(text.begin(), text.end(), [](QChar c) { return QStringView(u"0123456789+-.eE").contains(c); });
    bool ok = false;
    const double value = decimal ? text.toDouble(&ok) : 0.0;
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Only a file that is not there is missing; one that cannot be reached (no
// permission, say) is read, and the read reports why it fails.
bool isMissing(const QString &path)
{
    std::error_code error;
    return std::filesystem::status(path.toStdU16String(), error).type() == std::filesystem::file_type::not_found;
}

// Every copy that saves locks the table file itself (where the system has such
// locks), as long as it takes another to save; a copy that cannot make a lock
// file beside the table relies on this lock alone.
bool lockTable(const QFile &file)
{
#ifdef Q_OS_UNIX
    const QDeadlineTimer deadline(kLockTimeoutMs);
    while (::flock(file.handle(), LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
#else
    Q_UNUSED(file);
#endif
    return true;
}

// Whether the open file is still the one the path names: a copy saving
// beside the table replaces it with a new file.
bool isStillTheTable(const QFile &file)
{
#ifdef Q_OS_UNIX
    struct stat opened = {};
    struct stat named = {};
    return ::fstat(file.handle(), &opened) == 0 && ::stat(QFile::encodeName(file.fileName()).constData(), &named) == 0
        && opened.st_ino == named.st_ino && opened.st_dev == named.st_dev;
#else
    Q_UNUSED(file);
    return true;
#endif
}

QString lockedByAnother()
{
    return QCoreApplication::translate("HighScoreFile", "another copy of the game keeps it locked");
}

// Writes every byte to an unbuffered file, or returns false with the file's
// error set. A write the disk cuts short sets no error: the rest is tried
// again, and that attempt says why it fails.
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// A write past the size the system allows a file sends SIGXFSZ, which ends
// the program; while a table is saved it is ignored instead, so the write
// fails like one to a full disk, and the player is told.
#ifdef Q_OS_UNIX
class SizeLimitAsError {
public:
    SizeLimitAsError()
    {
        struct sigaction ignore = {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignore, &before_);
    }
    ~SizeLimitAsError() { ::sigaction(SIGXFSZ, &before_, nullptr); }
    Q_DISABLE_COPY_MOVE(SizeLimitAsError)

private:
    struct sigaction before_ = {};
};
#endif

} // namespace

HighScoreTable parseHighScores(const QByteArray &bytes, const QString &path)
{
    const QStringList lines = splitLines(decodeText(bytes));
    if (lines.size() < kLines) {
        throw DataError(path, static_cast<int>(lines.size()) + 1,
                        QCoreApplication::translate("HighScoreFile",
                                                    "the file ends here, but a high-score file has %1 lines: "
                                                    "five names, then five scores.")
                                .arg(kLines)
                            + freshTable(path));
    }
    HighScoreTable::Places places;
    for (int index = 0; index < kPlaces; ++index) {
        const QString &score = lines[kPlaces + index];
        const std::optional<double> points = scoreValue(score);
        if (!points) {
            throw DataError(path, kPlaces + index + 1,
                            QCoreApplication::translate("HighScoreFile", "the score %1 is not a number.")
                                    .arg(DataError::quote(score))
                                + freshTable(path));
        }
        places[index] = {lines[index], score, *points};
    }
    return HighScoreTable(places);
}

QByteArray formatHighScores(const HighScoreTable &table, const QString &path)
{
    QString text;
    for (const bool scores : {false, true}) {
        for (int index = 0; index < kPlaces; ++index) {
            const HighScore &place = table.places()[index];
            const QString &value = scores ? place.scoreText : place.name;
            if (value.contains(u'\n') || value.contains(u'\r'))
                throw SaveError(
                    path, QCoreApplication::translate("HighScoreFile", "place %1 holds a line break").arg(index + 1));
            text += value + QStringLiteral("\r\n");
        }
    }
    return text.toUtf8();
}

HighScoreFile::HighScoreFile(QString path, QString startingPath)
    : path_(std::move(path))
    , startingPath_(std::move(startingPath))
{
}

HighScoreTable HighScoreFile::read() const
{
    for (const QString &candidate : {path_, startingPath_}) {
        if (!candidate.isEmpty() && !isMissing(candidate))
            return parseHighScores(readFileBytes(candidate), candidate);
    }
    return {};
}

std::optional<int> HighScoreFile::place(const QString &name, int score) const
{
#ifdef Q_OS_UNIX
    const SizeLimitAsError sizeLimit;
#endif
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder))
        throw SaveError(path_, QCoreApplication::translate("HighScoreFile", "its folder cannot be created"));
    // A folder that only its owner may write can still hold a table that
    // everyone may: no lock file or new file can be made beside it, but the
    // table itself can be written.
    if (!QFileInfo(folder).isWritable() && QFileInfo(path_).isWritable())
        return placeInPlace(name, score);
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockTimeoutMs)) {
        throw SaveError(path_,
                        lock.error() == QLockFile::LockFailedError
                            ? lockedByAnother()
                            : QCoreApplication::translate("HighScoreFile", "its lock file cannot be created"));
    }
    QFile current(path_); // held locked until the new table has replaced it
    if (current.open(QIODevice::ReadOnly) && !lockTable(current))
        throw SaveError(path_, lockedByAnother());
    HighScoreTable table = read();
    const std::optional<int> place = table.place(name, score);
    if (place)
        write(table);
    return place;
}

std::optional<int> HighScoreFile::placeInPlace(const QString &name, int score) const
{
    QFile file(path_);
    // Unbuffered: after a failed write no stale bytes wait to be flushed
    // over the old table as it is put back.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        throw SaveError(path_, file.errorString());
    if (!lockTable(file))
        throw SaveError(path_, lockedByAnother());
    if (!isStillTheTable(file))
        return placeInPlace(name, score); // replaced while this copy waited: the new one
    const QByteArray before = file.readAll();
    HighScoreTable table = parseHighScores(before, path_);
    const std::optional<int> place = table.place(name, score);
    if (!place)
        return place;
    const auto writeOver = [&file](const QByteArray &bytes) {
        return file.seek(0) && writeAll(file, bytes) && file.resize(bytes.size());
    };
    if (!writeOver(formatHighScores(table, path_))) {
        const QString reason = file.errorString();
        writeOver(before); // as much of the old table as the disk takes back
        throw SaveError(path_, reason);
    }
    return place;
}

void HighScoreFile::write(const HighScoreTable &table) const
{
    const QByteArray bytes = formatHighScores(table, path_);
    // QSaveFile writes beside the file and renames over it only when every
    // byte is on disk, so a failure leaves the old table intact.
    QSaveFile file(path_);
    const auto fail = [&](const QString &reason) {
        file.cancelWriting();
        throw SaveError(path_, reason);
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeAll(file, bytes) || !file.commit())
        fail(file.errorString());
}
