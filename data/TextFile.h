#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <limits>

// Text as the data files hold it: UTF-8 (a leading byte-order mark ignored),
// or Windows-1252 for a file that is not valid UTF-8, as older editors save it.
QString decodeText(const QByteArray &bytes);

// Splits decoded text into lines without their endings (CR LF or LF). A line
// end after the last line does not start another, empty line.
QStringList splitLines(const QString &text);

// Reads a file as lines, at most maxLines of them (the rest is never read, so
// a huge file costs no more than its first lines); throws DataError naming
// the file when it cannot be opened or read.
QStringList readTextLines(const QString &path, int maxLines = std::numeric_limits<int>::max());
