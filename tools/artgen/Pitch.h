#pragma once

// The pitch and what stands on it: the floodlight behind the far touchline,
// the turf with its markings, the wall and fence, the corner flags.

#include <QImage>
#include <QPainter>

namespace artgen {

void paintFloodlight(QPainter &painter);
// Ray-traced per pixel, below the foot of the wall.
void paintTurf(QImage &image);
// The low wall along the far touchline and the green chain-link fence on it.
void paintWallAndFence(QImage &image);
void paintCornerFlags(QPainter &painter);

} // namespace artgen
