#include "Pitch.h"

#include "Background.h"
#include "Camera.h"
#include "Colour.h"
#include "Noise.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <utility>

namespace artgen {

namespace {

double segmentDistance(double px, double pz, double ax, double az, double bx, double bz)
{
    const double vx = bx - ax, vz = bz - az;
    const double t = std::clamp(((px - ax) * vx + (pz - az) * vz) / (vx * vx + vz * vz), 0.0, 1.0);
    return std::hypot(px - ax - t * vx, pz - az - t * vz);
}

// Distance from a ground point to the nearest painted line's centre.
double markingDistance(double x, double z)
{
    const double halfLength = kPitchLength / 2, w = kPitchWidth, mid = w / 2;
    double d = std::min({segmentDistance(x, z, -halfLength, 0, halfLength, 0),
                         segmentDistance(x, z, -halfLength, w, halfLength, w),
                         segmentDistance(x, z, -halfLength, 0, -halfLength, w),
                         segmentDistance(x, z, halfLength, 0, halfLength, w), segmentDistance(x, z, 0, 0, 0, w)});
    d = std::min(d, std::abs(std::hypot(x, z - mid) - 7.0));       // centre circle
    d = std::min(d, std::max(0.0, std::hypot(x, z - mid) - 0.15)); // centre spot
    for (double side : {-1.0, 1.0}) {
        const double goal = side * halfLength;
        // The penalty area, then the goal area.
        for (auto [depth, halfWidth] : {std::pair{13.0, 16.0}, std::pair{4.5, 7.5}}) {
            const double edge = goal - side * depth;
            d = std::min({d, segmentDistance(x, z, goal, mid - halfWidth, edge, mid - halfWidth),
                          segmentDistance(x, z, goal, mid + halfWidth, edge, mid + halfWidth),
                          segmentDistance(x, z, edge, mid - halfWidth, edge, mid + halfWidth)});
        }
        const double spot = goal - side * 9.0;
        d = std::min(d, std::max(0.0, std::hypot(x - spot, z - mid) - 0.12));
        if ((x - (goal - side * 13.0)) * side < 0) // penalty arc, outside the area only
            d = std::min(d, std::abs(std::hypot(x - spot, z - mid) - 7.0));
        for (double cz : {0.0, w}) // corner arcs
            d = std::min(d, std::abs(std::hypot(x - goal, z - cz) - 1.0));
    }
    return d;
}

Rgb turfColour(double x, double z, double depth)
{
    // Mowing-style stripes: 5 m bands across the pitch, alternately light and dark.
    const bool lightBand = int(std::floor((x + 100.0) / 5.0)) % 2 == 0;
    Rgb c = lightBand ? Rgb{92, 150, 74} : Rgb{70, 128, 60};
    // Worn patches and rubber infill showing through.
    const double wear = fractalNoise(x / 9.0, z / 9.0, 31);
    c = mix(c, Rgb{108, 128, 78}, std::clamp((wear - 0.55) * 1.6, 0.0, 0.35));
    const double lineHalfWidth = 0.06 + 0.0035 * depth; // far lines stay readable
    if (markingDistance(x, z) < lineHalfWidth)
        c = mix(Rgb{238, 240, 232}, c, std::min(0.55, depth / 160.0));
    return c;
}

double wallBaseY(double sx)
{
    double x;
    const double depth = kCamera.depthOnPlane(sx, kWallZ, x);
    return kCamera.screenY(0.0, depth);
}

// How much of pixel row y (spanning y..y+1) lies between a and b.
double rowCoverage(int y, double a, double b)
{
    return std::clamp(std::min(y + 1.0, b) - std::max(double(y), a), 0.0, 1.0);
}

} // namespace

void paintFloodlight(QPainter &painter)
{
    const double mastX = 41.0, mastZ = -7.0, mastTop = 24.0;
    const QPointF base = kCamera.project(mastX, 0, mastZ), top = kCamera.project(mastX, mastTop, mastZ);
    const double depth = kCamera.depthOf(mastX, mastZ), scale = kCamera.focal / depth;
    const Rgb steel = hazed({122, 122, 134}, depth);

    QPainterPath pole; // slightly tapered
    pole.moveTo(base.x() - 0.35 * scale, base.y());
    pole.lineTo(top.x() - 0.2 * scale, top.y());
    pole.lineTo(top.x() + 0.2 * scale, top.y());
    pole.lineTo(base.x() + 0.35 * scale, base.y());
    QLinearGradient poleShade(base.x() - 0.35 * scale, 0, base.x() + 0.35 * scale, 0);
    poleShade.setColorAt(0.0, toQColor(scaled(steel, 1.15)));
    poleShade.setColorAt(1.0, toQColor(scaled(steel, 0.75)));
    painter.fillPath(pole, poleShade);

    // Lamp head: a frame carrying two rows of three lamps, lit for the evening session.
    const QRectF head(top.x() - 2.7 * scale, top.y() - 3.0 * scale, 5.4 * scale, 2.6 * scale);
    painter.setPen(QPen(toQColor(scaled(steel, 0.8)), 0.25 * scale));
    painter.drawLine(QPointF(top.x(), top.y()), head.center() + QPointF(0, head.height() / 2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(scaled(steel, 0.6)));
    painter.drawRoundedRect(head, 0.3 * scale, 0.3 * scale);
    painter.setBrush(QColor(255, 253, 242));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            painter.drawEllipse(QPointF(head.x() + (0.95 + col * 1.75) * scale, head.y() + (0.68 + row * 1.24) * scale),
                                0.72 * scale, 0.55 * scale);
    // Soft bloom around the lamps, as a camera would record it.
    QRadialGradient glow(head.center(), head.width() * 1.5);
    glow.setColorAt(0.0, QColor(255, 248, 232, 120));
    glow.setColorAt(0.35, QColor(255, 240, 230, 50));
    glow.setColorAt(1.0, QColor(255, 236, 230, 0));
    painter.setBrush(glow);
    painter.drawEllipse(head.center(), head.width() * 1.5, head.width() * 1.5);
}

void paintTurf(QImage &image)
{
    constexpr int kSub = 4; // supersampling keeps thin distant lines smooth
    for (int y = 0; y < kBackgroundHeight; ++y)
        for (int px = 0; px < kBackgroundWidth; ++px) {
            if (y + 1 < wallBaseY(px))
                continue;
            Rgb sum{0, 0, 0};
            double depth = 0;
            int samples = 0;
            for (int i = 0; i < kSub * kSub; ++i) {
                double x, z;
                const int sampleColumn = i % kSub, sampleRow = i / kSub;
                const double sx = px + (sampleColumn + 0.5) / kSub, sy = y + (sampleRow + 0.5) / kSub;
                if (!kCamera.groundAt(sx, sy, x, z, depth) || z < kWallZ)
                    continue;
                const Rgb c = turfColour(x, z, depth);
                sum = sum + c;
                ++samples;
            }
            if (samples == 0)
                continue;
            Rgb c = scaled(sum, 1.0 / samples);
            const Rgb behind = pixelAt(image, px, y); // blend the wall-base edge
            c = mix(behind, c, samples / double(kSub * kSub));
            // Grain: the turf's fibres, coarser towards the camera.
            const double grain = (hashUnit(px, y, 77) - 0.5) * (10.0 + 1200.0 / depth);
            c = {c.r + grain * 0.7, c.g + grain, c.b + grain * 0.6};
            putPixel(image, px, y, hazed(c, depth * 1.6));
        }
}

void paintWallAndFence(QImage &image)
{
    constexpr int kSub = 3;
    for (int px = 0; px < kBackgroundWidth; ++px) {
        double x;
        const double depth = kCamera.depthOnPlane(px + 0.5, kWallZ, x), scale = kCamera.focal / depth;
        const double base = kCamera.screenY(0.0, depth), wallTop = kCamera.screenY(kWallHeight, depth);
        const double fenceTop = kCamera.screenY(kFenceHeight, depth);
        double postCover = 0; // posts every 2.5 m, 8 cm thick
        for (int s = 0; s < kSub; ++s) {
            double sx;
            kCamera.depthOnPlane(px + (s + 0.5) / kSub, kWallZ, sx);
            postCover += std::abs(std::remainder(sx, 2.5)) < 0.08 ? 1.0 / kSub : 0.0;
        }
        const Rgb steel = hazed({46, 62, 52}, depth);
        for (int y = std::max(0, int(fenceTop) - 1); y <= int(base) + 1 && y < kBackgroundHeight; ++y) {
            Rgb c = pixelAt(image, px, y);
            const double mesh = rowCoverage(y, fenceTop, wallTop);
            c = mix(c, steel, mesh * (0.2 + 0.12 * hashUnit(px, y, 9)));
            c = mix(c, steel, mesh * postCover * 0.9);
            c = mix(c, steel, 0.9 * rowCoverage(y, fenceTop, fenceTop + 0.12 * scale)); // top rail
            // Weathered painted concrete, with a light coping and dirt at the foot.
            const double stain = fractalNoise(x / 1.5, y / 3.0, 61);
            Rgb concrete = scaled(Rgb{168, 164, 162}, 0.82 + 0.28 * stain);
            concrete = mix(concrete, Rgb{228, 224, 218}, rowCoverage(y, wallTop, wallTop + 0.15 * scale));
            concrete = mix(concrete, Rgb{84, 90, 70}, 0.5 * rowCoverage(y, base - 0.25 * scale, base));
            c = mix(c, hazed(concrete, depth), rowCoverage(y, wallTop, base));
            putPixel(image, px, y, c);
        }
    }
}

void paintCornerFlags(QPainter &painter)
{
    for (double side : {-1.0, 1.0}) {
        const double x = side * kPitchLength / 2;
        const QPointF foot = kCamera.project(x, 0, 0), top = kCamera.project(x, 1.6, 0);
        painter.setPen(QPen(QColor(236, 236, 230), 1.0));
        painter.drawLine(foot, top);
        const QPointF flag[] = {top, top + QPointF(4.0, 1.2), top + QPointF(0, 3.0)};
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(240, 200, 40));
        painter.drawPolygon(flag, 3);
    }
}

} // namespace artgen
