#pragma once

#include <QRgb>

// The window's colours.
namespace colour {
constexpr QRgb kDuskyBlue = qRgb(64, 62, 111);   // headings and the rules box
constexpr QRgb kPaleText = qRgb(236, 236, 247);  // text on the blue labels
constexpr QRgb kDeepBlue = qRgb(1, 1, 105);      // the origin line, the focused button's mark
constexpr QRgb kLightGrey = qRgb(224, 224, 224); // the counters, and the clock while time is left
constexpr QRgb kGrey = qRgb(192, 192, 192);      // the letter box until first typed in, the tried letters
constexpr QRgb kPaleGreen = qRgb(234, 255, 239); // first place of the high-score table
constexpr QRgb kWhite = qRgb(255, 255, 255);     // the other places, the letter box
constexpr QRgb kBlack = qRgb(0, 0, 0);           // text of the high-score table
constexpr QRgb kLightRed = qRgb(255, 192, 192);  // a letter tried before; the clock's last seconds
constexpr QRgb kRed = qRgb(255, 0, 0);           // time is up
} // namespace colour
