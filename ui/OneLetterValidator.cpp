#include "ui/OneLetterValidator.h"

#include "engine/Level.h"

QValidator::State OneLetterValidator::validate(QString &input, int & /*position*/) const
{
    return Level::lettersOf(input).size() <= 1 ? Acceptable : Invalid;
}
