#pragma once

#include <QValidator>

// Lets the letter box hold one character at most. A character outside the
// Basic Multilingual Plane takes two UTF-16 units, so a length limit of 1
// would keep only the first half of it.
class OneLetterValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};
