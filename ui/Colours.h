#pragma once

#include "engine/GameScreen.h"

#include <QColor>

// Colours are stored blue-green-red (red in the low byte), as the game and its
// layout name them.
inline QColor fromBgr(Bgr value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

namespace colour {
constexpr Bgr kDuskyBlue = 0x6F3E40; // headings and the rules box
constexpr Bgr kPaleText = 0xF7ECEC;  // text on the blue labels
constexpr Bgr kDeepBlue = 0x690101;  // the origin line
constexpr Bgr kGrey = 0xC0C0C0;      // the letter box and the entered letters
constexpr Bgr kPaleGreen = 0xEFFFEA; // first place of the high-score table
constexpr Bgr kBlack = 0x000000;
} // namespace colour
