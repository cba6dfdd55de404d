#pragma once

// Colours as doubles, so blending and dithering keep their fractions until a
// pixel is finally stored.

#include <QColor>
#include <QImage>

#include <cmath>

namespace artgen {

struct Rgb {
    double r, g, b;
    double operator[](int k) const { return k == 0 ? r : k == 1 ? g : b; }
    double &channel(int k) { return k == 0 ? r : k == 1 ? g : b; }
};

inline Rgb operator+(Rgb a, Rgb b)
{
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}

inline Rgb mix(Rgb a, Rgb b, double t)
{
    return {std::lerp(a.r, b.r, t), std::lerp(a.g, b.g, t), std::lerp(a.b, b.b, t)};
}

inline Rgb scaled(Rgb colour, double factor)
{
    return {colour.r * factor, colour.g * factor, colour.b * factor};
}

// Rounded and clamped to whole 0..255 channels.
QColor toQColor(Rgb colour, double alpha = 1.0);

Rgb pixelAt(const QImage &image, int x, int y);
void putPixel(QImage &image, int x, int y, Rgb colour);

} // namespace artgen
