#pragma once

// Everything beyond the pitch: the dusk sky, the hillside town, the blocks of
// flats and the street trees, drawn back to front.

#include <QImage>
#include <QPainter>

namespace artgen {

// Fills the whole picture, pixel by pixel.
void paintSky(QImage &image);
void paintHills(QPainter &painter);
void paintBlocks(QPainter &painter);
void paintTrees(QPainter &painter);

} // namespace artgen
