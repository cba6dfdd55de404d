#pragma once

// Shared by the libFuzzer targets: oracles written apart from the code under
// test, and a check that stops the run at once when one disagrees.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

// __builtin_trap() raises SIGILL: libFuzzer reports a crash and saves the input.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: expectation broken: %s\n", __FILE__, __LINE__, #condition);                   \
            __builtin_trap();                                                                                          \
        }                                                                                                              \
    } while (false)

namespace oracle {

inline bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Lines of ASCII text, each ended by CR LF, LF or a lone CR; an end after the
// last line starts no other.
inline QList<QByteArray> lines(const QByteArray &text)
{
    QList<QByteArray> result;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            result << text.mid(start, i - start);
            i += text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
            start = i + 1;
        }
    }
    return start < text.size() ? result << text.mid(start) : result;
}

inline QByteArray trimmed(const QByteArray &text, QByteArrayView blanks)
{
    qsizetype first = 0, end = text.size();
    while (first < end && blanks.contains(text[first]))
        ++first;
    while (end > first && blanks.contains(text[end - 1]))
        --end;
    return text.mid(first, end - first);
}

// A score: a finite decimal number, blanks around it allowed.
inline bool isNumber(const QByteArray &line)
{
    QByteArray text = trimmed(line, " \t\v\f");
    if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+')
        text.remove(0, 1); // from_chars takes no plus sign
    double value = 0;
    const auto [end, error] = std::from_chars(text.constData(), text.constData() + text.size(), value);
    return !text.isEmpty() && error == std::errc() && end == text.constData() + text.size() && std::isfinite(value)
        && std::all_of(text.begin(), text.end(), [](char c) { return QByteArrayView("+-.0123456789eE").contains(c); });
}

} // namespace oracle
