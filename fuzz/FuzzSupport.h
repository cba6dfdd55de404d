#pragma once

// Shared by the libFuzzer targets: the oracles, written apart from the code
// under test, and a check that stops the run at once when one disagrees.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <charconv>
#include <cmath>
#include <cstdio>

// __builtin_trap() raises SIGILL; libFuzzer reports it as a crash, prints the
// stack and saves the input. The line names the broken expectation first.
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
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// Lines of ASCII text, each ended by CR LF, LF or a lone CR; an end after the
// last line starts no other.
inline QList<QByteArray> lines(const QByteArray &text)
{
    QList<QByteArray> result;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        result << text.mid(start, i - start);
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        result << text.mid(start);
    return result;
}

inline QByteArray trimmed(const QByteArray &text, QByteArrayView blanks)
{
    qsizetype first = 0;
    qsizetype end = text.size();
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
    if (text.startsWith('+') && text.size() > 1 && text[1] != '-' && text[1] != '+')
        text.remove(0, 1);
    for (const char c : text) {
        if (!QByteArrayView("+-.0123456789eE").contains(c))
            return false;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.constData(), text.constData() + text.size(), value);
    return !text.isEmpty() && error == std::errc() && end == text.constData() + text.size() && std::isfinite(value);
}

} // namespace oracle
