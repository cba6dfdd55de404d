#include "data/Characters.h"

#include <QChar>

std::u32string codePoints(QStringView text)
{
    std::u32string points;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        points += pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        i += pair ? 1 : 0;
    }
    return points;
}

bool isUntypable(char32_t codePoint)
{
    switch (QChar::category(codePoint)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph: return true;
    default: return false;
    }
}
