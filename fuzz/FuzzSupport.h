#pragma once

// Shared by the libFuzzer targets: oracles written apart from the code under
// test, and a check that stops the run at once when one disagrees.

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

// Stops the run when an expectation breaks: __builtin_trap() raises SIGILL,
// which libFuzzer reports as a crash, saving the input.
#define FUZZ_CHECK(holds)                                                                                              \
    ((holds) ? void() : (std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #holds), __builtin_trap()))

namespace oracle {

inline bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The lines of ASCII text, each ended by CR LF, LF or a lone CR; an end after
// the last line starts no other.
inline QStringList lines(QByteArrayView text)
{
    QStringList lines = QString::fromLatin1(text).replace("\r\n", "\n").replace(u'\r', u'\n').split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// A score: a finite decimal number, blanks around it allowed.
inline bool isNumber(const QString &line)
{
    QByteArray text = line.trimmed().toLatin1();
    if (text.startsWith('+') && !text.startsWith("+-") && !text.startsWith("++"))
        text.remove(0, 1); // from_chars takes no plus sign
    double value = 0;
    const auto [end, error] = std::from_chars(text.constData(), text.constData() + text.size(), value);
    return !text.isEmpty() && error == std::errc() && end == text.constData() + text.size() && std::isfinite(value)
        && std::all_of(text.begin(), text.end(), [](char c) { return QByteArrayView("+-.0123456789eE").contains(c); });
}

} // namespace oracle
