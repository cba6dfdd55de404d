#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text as the data files hold it: UTF-8 (a leading byte-order mark ignored),
// or Windows-1252 for a file that is not valid UTF-8, as older editors save it.
QString decodeText(const QByteArray &bytes);

// Splits decoded text into lines without their endings (CR LF or LF). A line
// end after the last line does not start another, empty line.
QStringList splitLines(const QString &text);

// Reads a whole file as lines; throws DataError naming the file when it cannot
// be opened or read.
QStringList readTextLines(const QString &path);
