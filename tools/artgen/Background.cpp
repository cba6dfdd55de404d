#include "Background.h"

#include "Noise.h"
#include "Palette.h"
#include "Pitch.h"
#include "Town.h"

#include <QPainter>

namespace artgen {

namespace {

// Photographic finish: gentle vignette and a film-like grain on everything.
void finishPhoto(QImage &image)
{
    for (int y = 0; y < kBackgroundHeight; ++y)
        for (int x = 0; x < kBackgroundWidth; ++x) {
            const double r = std::hypot((x - kBackgroundWidth * 0.45) / kBackgroundWidth,
                                        (y - kBackgroundHeight * 0.4) / kBackgroundHeight);
            Rgb c = scaled(pixelAt(image, x, y), 1.0 - 0.22 * std::pow(r, 2.2));
            const double grain = (hashUnit(x, y, 2024) - 0.5) * 5.0;
            putPixel(image, x, y, {c.r + grain, c.g + grain, c.b + grain});
        }
}

} // namespace

QImage renderBackground()
{
    QImage image(kBackgroundWidth, kBackgroundHeight, QImage::Format_RGB32);
    paintSky(image);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintHills(painter);
        paintBlocks(painter);
        paintTrees(painter);
        paintFloodlight(painter);
    }
    paintTurf(image);
    paintWallAndFence(image);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintCornerFlags(painter);
    }
    finishPhoto(image);
    return image;
}

bool writeBackground(const QDir &folder)
{
    return quantizeDithered(renderBackground()).save(folder.filePath("background.bmp"), "BMP");
}

} // namespace artgen
