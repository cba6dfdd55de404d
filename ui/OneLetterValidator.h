#pragma once

#include <QValidator>

// Lets the letter box hold one letter at most, as the player sees it: a
// length limit of 1 would keep half of a letter outside the Basic
// Multilingual Plane, and no accent typed after its letter.
class OneLetterValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};
