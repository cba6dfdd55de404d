#pragma once

#include <QString>

#include <stdexcept>

// The few text rules the game is built on: numbers live as texts in captions
// and in the high-score file, and names are compared letter by letter.

// Thrown when a text that must hold a number does not.
class NotANumber : public std::runtime_error {
public:
    explicit NotANumber(const QString &text);
};

// Parses a decimal number; spaces around it are allowed. Throws NotANumber.
double textToNumber(const QString &text);

// Whether textToNumber would accept the text.
bool isNumberText(const QString &text);

// Plain digits, "-" when negative, no leading space: 9, -1, 100.
QString numberText(double value);

// Removes spaces (only spaces, not tabs) at both ends.
QString trimSpaces(const QString &text);

// Lower case, for comparisons that ignore case.
inline QString lcase(const QString &text)
{
    return text.toLower();
}
