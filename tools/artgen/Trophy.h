#pragma once

// The trophy: the window's icon and the game's icon on the desktop.

#include <QImage>

namespace artgen {

// The trophy on a transparent square of size x size pixels (ARGB32).
QImage renderTrophy(int size);

} // namespace artgen
