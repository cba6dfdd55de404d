#pragma once

#include <QStringView>

#include <string>

// The text's code points; a lone surrogate stays one of its own.
std::u32string codePoints(QStringView text);

// Whether nobody can type this character: a control or format character
// (a tab, a soft hyphen, a zero-width space), a private-use or unassigned
// code point, a lone surrogate, a line or paragraph separator.
bool isUntypable(char32_t codePoint);
