#pragma once

// Cutting pictures down to a palette of at most 256 colours. Median cut picks
// the starting palette, a few k-means rounds refine it, and Floyd-Steinberg
// dithering hides the steps in the sky gradient.

#include "Colour.h"

#include <QImage>
#include <QList>

#include <vector>

namespace artgen {

using Colours = std::vector<Rgb>;

// The index of the palette entry closest to the colour.
int nearestIndex(const Colours &palette, Rgb colour);

// Up to count colours that represent the pixels well, in whole numbers.
Colours buildPalette(Colours pixels, int count);

// The palette as QRgb values, padded with black to 256 entries.
QList<QRgb> colourTable(const Colours &palette);

// An 8-bit indexed copy of the picture, with its own 256-colour palette.
QImage quantizeDithered(const QImage &source);

} // namespace artgen
