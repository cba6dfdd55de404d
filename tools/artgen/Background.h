#pragma once

// The background picture: a turf pitch seen from a stand at dusk, with the
// town on the hillside behind it.

#include "Colour.h"

#include <QDir>
#include <QImage>

#include <cmath>

namespace artgen {

constexpr int kBackgroundWidth = 550;
constexpr int kBackgroundHeight = 413;

constexpr Rgb kSkyTop{176, 160, 206};
constexpr Rgb kSkyHorizon{238, 200, 214};
constexpr Rgb kHaze{226, 196, 214};

// Aerial perspective: the farther away, the more a colour dissolves into the haze.
inline Rgb hazed(Rgb colour, double distance)
{
    return mix(colour, kHaze, 1.0 - std::exp(-distance / 420.0));
}

// The full-colour picture, back to front.
QImage renderBackground();

// Renders the picture, cuts it down to 256 colours and saves it as
// background.bmp in the folder.
bool writeBackground(const QDir &folder);

} // namespace artgen
