#include "Colour.h"

#include <algorithm>

namespace artgen {

QColor toQColor(Rgb colour, double alpha)
{
    auto channel = [](double v) { return std::clamp(int(std::lround(v)), 0, 255); };
    return QColor(channel(colour.r), channel(colour.g), channel(colour.b), channel(alpha * 255.0));
}

Rgb pixelAt(const QImage &image, int x, int y)
{
    const QRgb pixel = image.pixel(x, y);
    return {double(qRed(pixel)), double(qGreen(pixel)), double(qBlue(pixel))};
}

void putPixel(QImage &image, int x, int y, Rgb colour)
{
    image.setPixel(x, y, toQColor(colour).rgb());
}

} // namespace artgen
