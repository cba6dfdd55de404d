#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>

// Text as the data files hold it: UTF-8 (a leading byte-order mark ignored),
// UTF-16 when it starts with its byte-order mark, or Windows-1252 for a file
// that is neither, as older editors save it.
QString decodeText(const QByteArray &bytes);

// Splits decoded text into lines without their endings: CR LF, LF, or a lone
// CR as old Mac editors wrote. A line end after the last line does not start
// another, empty line.
QStringList splitLines(const QString &text);

// The text's code points; a lone surrogate stays one of its own.
std::u32string codePoints(QStringView text);

// Whether nobody can type this character: a control or format character
// (a tab, a soft hyphen, a zero-width space), a private-use or unassigned
// code point, a lone surrogate, a line or paragraph separator.
bool isUntypable(char32_t codePoint);

// The whole file; throws DataError naming the file when it cannot be opened
// or read. The readers parse these bytes, so they can be tested from memory.
QByteArray readFileBytes(const QString &path);
