#include "ui/OneLetterValidator.h"

QValidator::State OneLetterValidator::validate(QString &input, int & /*position*/) const
{
    const bool pair = input.size() == 2 && input[0].isHighSurrogate() && input[1].isLowSurrogate();
    return input.size() <= 1 || pair ? Acceptable : Invalid;
}
