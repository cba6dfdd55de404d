#include "Town.h"

#include "Background.h"
#include "Camera.h"
#include "Colour.h"
#include "Noise.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace artgen {

namespace {

double ridgeHeight(double x, double base, double amp, double scale, std::uint32_t seed)
{
    return base - amp * fractalNoise(x / scale, 0.5, seed, 3);
}

// Skyline of the hillside town: it rises to a hump left of the middle.
double townRidge(double x)
{
    return ridgeHeight(x, 98.0, 22.0, 120.0, 21) - 22.0 * std::exp(-std::pow((x - 230.0) / 160.0, 2));
}

void paintHouse(QPainter &painter, RandomGenerator &random, double x, double y, double size, double distance)
{
    static constexpr std::array<Rgb, 5> kWallColours{
        {{244, 240, 232}, {238, 220, 180}, {234, 206, 190}, {220, 216, 210}, {230, 184, 130}}};
    static constexpr std::array<Rgb, 3> kRoofColours{{{184, 86, 56}, {150, 70, 52}, {118, 108, 112}}};
    const Rgb wall = kWallColours[random.next() % kWallColours.size()];
    const Rgb roof = kRoofColours[random.next() % kRoofColours.size()];
    const double w = size * random.uniform(0.9, 1.6), h = size * random.uniform(0.6, 0.9);
    painter.fillRect(QRectF(x, y - h, w, h), toQColor(hazed(wall, distance)));
    painter.fillRect(QRectF(x + w * 0.65, y - h, w * 0.35, h),
                     toQColor(hazed(scaled(wall, 0.78), distance))); // shaded gable side
    const QPointF roofShape[]
        = {{x - 0.4, y - h + 0.3}, {x + w * 0.45, y - h - size * 0.45}, {x + w + 0.4, y - h + 0.3}};
    painter.setBrush(toQColor(hazed(roof, distance)));
    painter.drawPolygon(roofShape, 3);
}

struct Block {
    double x;     // left edge on screen
    double width; // metres
    int floors;
    double depth; // metres from the camera
    Rgb facade;
};

void paintBlock(QPainter &painter, const Block &block, RandomGenerator &random)
{
    const double scale = kCamera.focal / block.depth; // pixels per metre at that distance
    const double top = kCamera.screenY(block.floors * 3.0 + 1.0, block.depth);
    const double bottom = kCamera.horizon + 40.0;
    const double w = block.width * scale;
    // The side wall facing the camera shows on the side nearer the picture centre.
    const double sideW = std::abs(block.x + w / 2 - kCamera.centreX) * 0.06 * scale;
    const bool sideOnLeft = block.x > kCamera.centreX;
    const double frontX = sideOnLeft ? block.x + sideW : block.x;
    const double sideX = sideOnLeft ? block.x : block.x + w;
    auto shade = [&block](double factor) { return toQColor(hazed(scaled(block.facade, factor), block.depth)); };

    painter.fillRect(QRectF(frontX, top, w, bottom - top), toQColor(hazed(block.facade, block.depth)));
    painter.fillRect(QRectF(sideX, top, sideW, bottom - top), shade(0.74));
    painter.fillRect(QRectF(frontX, top - 0.6 * scale, w, 0.6 * scale), shade(0.6));
    // Lift housing on the roof.
    const double liftX = frontX + w * random.uniform(0.2, 0.7);
    painter.fillRect(QRectF(liftX, top - 2.2 * scale, 3.0 * scale, 2.2 * scale), shade(0.8));

    // Windows: most reflect the dusk sky, a few are lit.
    const Rgb glass{84, 88, 112}, lit{255, 214, 140};
    const int columns = int(block.width / 3.2);
    for (int storey = 0; storey < block.floors; ++storey) {
        const double windowY = kCamera.screenY(block.floors * 3.0 - storey * 3.0 - 0.9, block.depth);
        // Balcony slab under every floor.
        painter.fillRect(QRectF(frontX, windowY + 1.5 * scale, w, 0.35 * scale), shade(1.08));
        for (int column = 0; column < columns; ++column) {
            const double windowX = frontX + (column + 0.3) * (w / columns);
            const Rgb pane = random.chance(0.12) ? lit : mix(glass, kSkyHorizon, random.uniform(0.0, 0.35));
            painter.fillRect(QRectF(windowX, windowY, 1.4 * scale, 1.5 * scale), toQColor(hazed(pane, block.depth)));
        }
        if (sideW > 2.0) // a narrow stairwell window on the side wall
            painter.fillRect(QRectF(sideX + sideW * 0.4, windowY, sideW * 0.2, 1.5 * scale),
                             toQColor(hazed(scaled(glass, 0.9), block.depth)));
    }
}

// A street tree. Its crown is a cluster of small leaf clumps, lit from the
// upper left, so it reads as foliage, not a ball.
void paintTree(QPainter &painter, RandomGenerator &random, double cx, double baseY, double radius)
{
    const Rgb leaf = mix(Rgb{44, 72, 40}, Rgb{84, 104, 54}, random.uniform());
    const double cy = baseY - radius;
    for (int i = 0; i < 70; ++i) {
        const double a = random.uniform(0, 2 * kPi), r = radius * std::sqrt(random.uniform());
        const double x = cx + r * std::cos(a), y = cy + 0.85 * r * std::sin(a);
        // Clumps facing the light are brighter; those underneath sit in shadow.
        const double light = std::clamp(0.5 - 0.5 * ((x - cx) * 0.6 + (y - cy)) / radius, 0.0, 1.0);
        const Rgb c = scaled(leaf, 0.65 + 0.7 * light + random.uniform(-0.1, 0.1));
        painter.setBrush(toQColor(hazed(c, 110)));
        const double clump = radius * random.uniform(0.18, 0.32);
        painter.drawEllipse(QPointF(x, y), clump, clump * 0.85);
    }
}

} // namespace

void paintSky(QImage &image)
{
    for (int y = 0; y < kBackgroundHeight; ++y) {
        const double t = std::clamp(y / kCamera.horizon, 0.0, 1.0);
        const Rgb base = mix(kSkyTop, kSkyHorizon, std::pow(t, 0.8));
        for (int x = 0; x < kBackgroundWidth; ++x) {
            // Soft stretched cloud banks, brighter and warmer than the sky around them.
            const double cloud = std::clamp((fractalNoise(x / 140.0, y / 22.0, 7) - 0.48) * 3.0, 0.0, 1.0);
            Rgb c = mix(base, Rgb{250, 228, 232}, cloud * 0.55);
            // The sun has just set behind the left edge: a warm glow low down there.
            const double glow = std::exp(-std::hypot((x + 60.0) / 300.0, (y - 100.0) / 60.0));
            c = mix(c, Rgb{252, 214, 196}, 0.45 * glow);
            putPixel(image, x, y, c);
        }
    }
}

void paintHills(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    QPainterPath farRidge, town;
    farRidge.moveTo(0, kBackgroundHeight);
    town.moveTo(0, kBackgroundHeight);
    for (int x = 0; x <= kBackgroundWidth; x += 2) {
        farRidge.lineTo(x, ridgeHeight(x, 92.0, 20.0, 80.0, 11));
        town.lineTo(x, townRidge(x));
    }
    farRidge.lineTo(kBackgroundWidth, kBackgroundHeight);
    town.lineTo(kBackgroundWidth, kBackgroundHeight);
    painter.fillPath(farRidge, toQColor(hazed({110, 112, 140}, 1100)));
    QLinearGradient slope(0, 60, 0, 140); // the foot of the hill is nearer, so less hazy
    slope.setColorAt(0.0, toQColor(hazed({84, 104, 76}, 760)));
    slope.setColorAt(1.0, toQColor(hazed({84, 104, 76}, 480)));
    painter.fillPath(town, slope);

    // Houses in rough terraces following the contour, with gardens and trees
    // between the clusters; drawn from the top of the slope down (back to front).
    RandomGenerator random(1234);
    for (int row = 0; row < 16; ++row) {
        for (double x = random.uniform(-8, 0); x < kBackgroundWidth + 8; x += random.uniform(4.0, 9.0)) {
            const double y = townRidge(x) + 3.0 + row * 3.2 + random.uniform(-1.2, 1.2);
            const double distance = 760.0 - row * 18.0;
            const double size = 2.4 + row * 0.12;
            if (fractalNoise(x / 45.0, row / 4.0, 17) < 0.42) { // wooded patch
                painter.setBrush(toQColor(hazed(mix(Rgb{50, 78, 44}, Rgb{86, 104, 60}, random.uniform()), distance)));
                painter.drawEllipse(QPointF(x, y - size * 0.5), size * random.uniform(0.6, 1.0), size * 0.6);
            } else {
                paintHouse(painter, random, x, y, size, distance);
            }
        }
    }
}

void paintBlocks(QPainter &painter)
{
    RandomGenerator random(99);
    const Block blocks[] = {
        {-12, 30, 12, 330, {214, 204, 190}}, {150, 22, 9, 360, {226, 214, 196}}, {330, 34, 10, 300, {200, 196, 196}},
        {72, 26, 11, 240, {232, 220, 200}},  {236, 20, 8, 230, {220, 196, 176}}, {488, 26, 9, 260, {214, 208, 200}},
        {408, 18, 7, 220, {230, 222, 210}},
    };
    for (const Block &block : blocks)
        paintBlock(painter, block, random);
}

// A row of street trees behind the pitch, and a hedge along the street.
void paintTrees(QPainter &painter)
{
    RandomGenerator random(4321);
    painter.setPen(Qt::NoPen);
    for (double x = -10; x < kBackgroundWidth + 10; x += random.uniform(9.0, 20.0)) {
        const double radius = random.uniform(7.0, 12.0) * (0.8 + 0.5 * fractalNoise(x / 60.0, 1.0, 5));
        // Trunk, mostly hidden by the wall and fence anyway.
        painter.fillRect(QRectF(x - 0.8, 135, 1.6, 20), toQColor(hazed({70, 60, 52}, 110)));
        paintTree(painter, random, x, 142.0 - random.uniform(0.0, 6.0), radius);
    }
    for (double x = -6; x < kBackgroundWidth + 6; x += random.uniform(5.0, 9.0)) // hedge along the street
        paintTree(painter, random, x, 162.0, random.uniform(6.0, 9.0));
}

} // namespace artgen
