#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text as the data files hold it: UTF-8 (a leading byte-order mark ignored),
// UTF-16 when it starts with its byte-order mark, or Windows-1252 for a file
// that is neither, as older editors save it.
QString decodeText(const QByteArray &bytes);

// Splits decoded text into lines without their endings: CR LF, LF, or a lone
// CR as old Mac editors wrote. A line end after the last line does not start
// another, empty line.
QStringList splitLines(const QString &text);

// The whole file; throws DataError naming the file when it cannot be opened
// or read. The readers parse these bytes, so they can be tested from memory.
QByteArray readFileBytes(const QString &path);
