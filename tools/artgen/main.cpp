// Nomilo art generator.
//
// Draws every picture the game ships with, procedurally and deterministically:
//   background.bmp               550x413, 8-bit palette: a turf pitch seen from a stand
//   trophy.ico                   32x32, 256 colours + AND mask (Windows icon)
//   icons/<N>x<N>/nomilo.png     the same trophy with alpha, for the Linux icon theme
//
// Usage: nomilo_artgen <output-folder>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numeric>
#include <vector>

namespace {

constexpr int kWidth = 550;
constexpr int kHeight = 413;
constexpr double kPi = 3.14159265358979323846;

// ---------------------------------------------------------------- randomness
// Own generator and hash instead of <random> distributions, whose output is
// implementation-defined: the art must come out identical everywhere.

class Rng {
public:
    explicit Rng(std::uint64_t seed)
        : state_(seed)
    {
    }
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    double uniform(double lo = 0.0, double hi = 1.0)
    {
        return lo + (hi - lo) * double(next() >> 11) * (1.0 / 9007199254740992.0);
    }
    bool chance(double p) { return uniform() < p; }

private:
    std::uint64_t state_;
};

double hashUnit(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = seed ^ (std::uint32_t(x) * 0x8da6b343u) ^ (std::uint32_t(y) * 0xd8163841u);
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return double(h & 0xffffffu) / double(0x1000000);
}

double valueNoise(double x, double y, std::uint32_t seed)
{
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    auto smooth = [](double t) { return t * t * (3.0 - 2.0 * t); };
    const double tx = smooth(x - fx), ty = smooth(y - fy);
    const double top = std::lerp(hashUnit(ix, iy, seed), hashUnit(ix + 1, iy, seed), tx);
    const double bottom = std::lerp(hashUnit(ix, iy + 1, seed), hashUnit(ix + 1, iy + 1, seed), tx);
    return std::lerp(top, bottom, ty);
}

// Fractal noise in [0, 1).
double fbm(double x, double y, std::uint32_t seed, int octaves = 4)
{
    double sum = 0.0, amplitude = 0.5, norm = 0.0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * valueNoise(x, y, seed + std::uint32_t(i) * 101u);
        norm += amplitude;
        x *= 2.03;
        y *= 2.03;
        amplitude *= 0.5;
    }
    return sum / norm;
}

// ---------------------------------------------------------------- colour

struct Rgb {
    double r, g, b;
    double operator[](int k) const { return k == 0 ? r : k == 1 ? g : b; }
    double &channel(int k) { return k == 0 ? r : k == 1 ? g : b; }
};

Rgb operator+(Rgb a, Rgb b)
{
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}

Rgb mix(Rgb a, Rgb b, double t)
{
    return {std::lerp(a.r, b.r, t), std::lerp(a.g, b.g, t), std::lerp(a.b, b.b, t)};
}

Rgb scaled(Rgb c, double k)
{
    return {c.r * k, c.g * k, c.b * k};
}

QColor qcolor(Rgb c, double alpha = 1.0)
{
    auto channel = [](double v) { return std::clamp(int(std::lround(v)), 0, 255); };
    return QColor(channel(c.r), channel(c.g), channel(c.b), channel(alpha * 255.0));
}

Rgb pixelAt(const QImage &img, int x, int y)
{
    const QRgb p = img.pixel(x, y);
    return {double(qRed(p)), double(qGreen(p)), double(qBlue(p))};
}

void putPixel(QImage &img, int x, int y, Rgb c)
{
    img.setPixel(x, y, qcolor(c).rgb());
}

const Rgb kSkyTop{176, 160, 206};
const Rgb kSkyHorizon{238, 200, 214};
const Rgb kHaze{226, 196, 214};

// Aerial perspective: the farther away, the more a colour dissolves into the haze.
Rgb hazed(Rgb c, double distance)
{
    return mix(c, kHaze, 1.0 - std::exp(-distance / 420.0));
}

// ---------------------------------------------------------------- camera
// World units are metres: X runs along the touchlines (0 = halfway line),
// Z from the far touchline (0) towards the camera, Y up. The camera sits in a
// stand behind the near touchline, turned slightly left; its optical axis is
// level (like a shift lens), so verticals stay vertical.

struct Camera {
    double focal = 390.0, centreX = 275.0, horizon = 114.0;
    double posX = 18.0, height = 9.5, posZ = 66.0;
    double sinYaw = std::sin(8.0 * kPi / 180.0), cosYaw = std::cos(8.0 * kPi / 180.0);

    double depthOf(double x, double z) const { return -(x - posX) * sinYaw - (z - posZ) * cosYaw; }
    QPointF project(double x, double y, double z) const
    {
        const double depth = depthOf(x, z);
        const double right = (x - posX) * cosYaw - (z - posZ) * sinYaw;
        return {centreX + focal * right / depth, horizon - focal * (y - height) / depth};
    }
    // Horizontal direction (per unit depth) of the ray through screen column sx.
    void rayDir(double sx, double &dx, double &dz) const
    {
        const double u = (sx - centreX) / focal;
        dx = cosYaw * u - sinYaw;
        dz = -sinYaw * u - cosYaw;
    }
    // Ground point seen at (sx, sy); false above the horizon.
    bool groundAt(double sx, double sy, double &x, double &z, double &depth) const
    {
        const double v = (horizon - sy) / focal;
        if (v >= -1e-6)
            return false;
        double dx, dz;
        rayDir(sx, dx, dz);
        depth = -height / v;
        x = posX + depth * dx;
        z = posZ + depth * dz;
        return true;
    }
    // Depth at which the ray through column sx meets the vertical plane Z = planeZ.
    double depthOnPlane(double sx, double planeZ, double &x) const
    {
        double dx, dz;
        rayDir(sx, dx, dz);
        const double depth = (planeZ - posZ) / dz;
        x = posX + depth * dx;
        return depth;
    }
    double screenY(double y, double depth) const { return horizon - focal * (y - height) / depth; }
};

const Camera kCam;

// A 9-a-side artificial pitch; the wall and fence stand just behind the far touchline.
constexpr double kPitchLength = 73.0, kPitchWidth = 46.0;
constexpr double kWallZ = -2.5, kWallHeight = 1.1, kFenceHeight = 4.2;

// ---------------------------------------------------------------- sky and town

void paintSky(QImage &img)
{
    for (int y = 0; y < kHeight; ++y) {
        const double t = std::clamp(y / kCam.horizon, 0.0, 1.0);
        const Rgb base = mix(kSkyTop, kSkyHorizon, std::pow(t, 0.8));
        for (int x = 0; x < kWidth; ++x) {
            // Soft stretched cloud banks, brighter and warmer than the sky around them.
            const double cloud = std::clamp((fbm(x / 140.0, y / 22.0, 7) - 0.48) * 3.0, 0.0, 1.0);
            Rgb c = mix(base, Rgb{250, 228, 232}, cloud * 0.55);
            // The sun has just set behind the left edge: a warm glow low down there.
            const double glow = std::exp(-std::hypot((x + 60.0) / 300.0, (y - 100.0) / 60.0));
            c = mix(c, Rgb{252, 214, 196}, 0.45 * glow);
            putPixel(img, x, y, c);
        }
    }
}

double ridgeHeight(double x, double base, double amp, double scale, std::uint32_t seed)
{
    return base - amp * fbm(x / scale, 0.5, seed, 3);
}

// Skyline of the hillside town: it rises to a hump left of the middle.
double townRidge(double x)
{
    return ridgeHeight(x, 98.0, 22.0, 120.0, 21) - 22.0 * std::exp(-std::pow((x - 230.0) / 160.0, 2));
}

void paintHouse(QPainter &p, Rng &rng, double x, double y, double size, double distance)
{
    static const std::array<Rgb, 5> walls{
        {{244, 240, 232}, {238, 220, 180}, {234, 206, 190}, {220, 216, 210}, {230, 184, 130}}};
    static const std::array<Rgb, 3> roofs{{{184, 86, 56}, {150, 70, 52}, {118, 108, 112}}};
    const Rgb wall = walls[rng.next() % walls.size()], roof = roofs[rng.next() % roofs.size()];
    const double w = size * rng.uniform(0.9, 1.6), h = size * rng.uniform(0.6, 0.9);
    p.fillRect(QRectF(x, y - h, w, h), qcolor(hazed(wall, distance)));
    p.fillRect(QRectF(x + w * 0.65, y - h, w * 0.35, h),
               qcolor(hazed(scaled(wall, 0.78), distance))); // shaded gable side
    const QPointF roofShape[]
        = {{x - 0.4, y - h + 0.3}, {x + w * 0.45, y - h - size * 0.45}, {x + w + 0.4, y - h + 0.3}};
    p.setBrush(qcolor(hazed(roof, distance)));
    p.drawPolygon(roofShape, 3);
}

void paintHills(QPainter &p)
{
    p.setPen(Qt::NoPen);
    QPainterPath farRidge, town;
    farRidge.moveTo(0, kHeight);
    town.moveTo(0, kHeight);
    for (int x = 0; x <= kWidth; x += 2) {
        farRidge.lineTo(x, ridgeHeight(x, 92.0, 20.0, 80.0, 11));
        town.lineTo(x, townRidge(x));
    }
    farRidge.lineTo(kWidth, kHeight);
    town.lineTo(kWidth, kHeight);
    p.fillPath(farRidge, qcolor(hazed({110, 112, 140}, 1100)));
    QLinearGradient slope(0, 60, 0, 140); // the foot of the hill is nearer, so less hazy
    slope.setColorAt(0.0, qcolor(hazed({84, 104, 76}, 760)));
    slope.setColorAt(1.0, qcolor(hazed({84, 104, 76}, 480)));
    p.fillPath(town, slope);

    // Houses in rough terraces following the contour, with gardens and trees
    // between the clusters; drawn from the top of the slope down (back to front).
    Rng rng(1234);
    for (int row = 0; row < 16; ++row) {
        for (double x = rng.uniform(-8, 0); x < kWidth + 8; x += rng.uniform(4.0, 9.0)) {
            const double y = townRidge(x) + 3.0 + row * 3.2 + rng.uniform(-1.2, 1.2);
            const double distance = 760.0 - row * 18.0;
            const double size = 2.4 + row * 0.12;
            if (fbm(x / 45.0, row / 4.0, 17) < 0.42) { // wooded patch
                p.setBrush(qcolor(hazed(mix(Rgb{50, 78, 44}, Rgb{86, 104, 60}, rng.uniform()), distance)));
                p.drawEllipse(QPointF(x, y - size * 0.5), size * rng.uniform(0.6, 1.0), size * 0.6);
            } else {
                paintHouse(p, rng, x, y, size, distance);
            }
        }
    }
}

struct Block {
    double x;     // left edge on screen
    double width; // metres
    int floors;
    double depth; // metres from the camera
    Rgb facade;
};

void paintBlock(QPainter &p, const Block &b, Rng &rng)
{
    const double scale = kCam.focal / b.depth; // pixels per metre at that distance
    const double top = kCam.screenY(b.floors * 3.0 + 1.0, b.depth);
    const double bottom = kCam.horizon + 40.0;
    const double w = b.width * scale;
    // The side wall facing the camera shows on the side nearer the picture centre.
    const double sideW = std::abs(b.x + w / 2 - kCam.centreX) * 0.06 * scale;
    const bool sideOnLeft = b.x > kCam.centreX;
    const double frontX = sideOnLeft ? b.x + sideW : b.x;
    const double sideX = sideOnLeft ? b.x : b.x + w;

    p.fillRect(QRectF(frontX, top, w, bottom - top), qcolor(hazed(b.facade, b.depth)));
    p.fillRect(QRectF(sideX, top, sideW, bottom - top), qcolor(hazed(scaled(b.facade, 0.74), b.depth)));
    p.fillRect(QRectF(frontX, top - 0.6 * scale, w, 0.6 * scale), qcolor(hazed(scaled(b.facade, 0.6), b.depth)));
    // Lift housing on the roof.
    const double liftX = frontX + w * rng.uniform(0.2, 0.7);
    p.fillRect(QRectF(liftX, top - 2.2 * scale, 3.0 * scale, 2.2 * scale),
               qcolor(hazed(scaled(b.facade, 0.8), b.depth)));

    // Windows: most reflect the dusk sky, a few are lit.
    const Rgb glass{84, 88, 112}, lit{255, 214, 140};
    const int columns = int(b.width / 3.2);
    for (int f = 0; f < b.floors; ++f) {
        const double wy = kCam.screenY(b.floors * 3.0 - f * 3.0 - 0.9, b.depth);
        // Balcony slab under every floor.
        p.fillRect(QRectF(frontX, wy + 1.5 * scale, w, 0.35 * scale), qcolor(hazed(scaled(b.facade, 1.08), b.depth)));
        for (int c = 0; c < columns; ++c) {
            const double wx = frontX + (c + 0.3) * (w / columns);
            const Rgb pane = rng.chance(0.12) ? lit : mix(glass, kSkyHorizon, rng.uniform(0.0, 0.35));
            p.fillRect(QRectF(wx, wy, 1.4 * scale, 1.5 * scale), qcolor(hazed(pane, b.depth)));
        }
        if (sideW > 2.0) // a narrow stairwell window on the side wall
            p.fillRect(QRectF(sideX + sideW * 0.4, wy, sideW * 0.2, 1.5 * scale),
                       qcolor(hazed(scaled(glass, 0.9), b.depth)));
    }
}

void paintBlocks(QPainter &p)
{
    Rng rng(99);
    const Block blocks[] = {
        {-12, 30, 12, 330, {214, 204, 190}}, {150, 22, 9, 360, {226, 214, 196}}, {330, 34, 10, 300, {200, 196, 196}},
        {72, 26, 11, 240, {232, 220, 200}},  {236, 20, 8, 230, {220, 196, 176}}, {488, 26, 9, 260, {214, 208, 200}},
        {408, 18, 7, 220, {230, 222, 210}},
    };
    for (const Block &b : blocks)
        paintBlock(p, b, rng);
}

// A row of street trees behind the pitch. Each crown is a cluster of small
// leaf clumps, lit from the upper left, so it reads as foliage, not a ball.
void paintTree(QPainter &p, Rng &rng, double cx, double baseY, double radius)
{
    const Rgb leaf = mix(Rgb{44, 72, 40}, Rgb{84, 104, 54}, rng.uniform());
    const double cy = baseY - radius;
    for (int i = 0; i < 70; ++i) {
        const double a = rng.uniform(0, 2 * kPi), r = radius * std::sqrt(rng.uniform());
        const double x = cx + r * std::cos(a), y = cy + 0.85 * r * std::sin(a);
        // Clumps facing the light are brighter; those underneath sit in shadow.
        const double light = std::clamp(0.5 - 0.5 * ((x - cx) * 0.6 + (y - cy)) / radius, 0.0, 1.0);
        const Rgb c = scaled(leaf, 0.65 + 0.7 * light + rng.uniform(-0.1, 0.1));
        p.setBrush(qcolor(hazed(c, 110)));
        const double clump = radius * rng.uniform(0.18, 0.32);
        p.drawEllipse(QPointF(x, y), clump, clump * 0.85);
    }
}

void paintTrees(QPainter &p)
{
    Rng rng(4321);
    p.setPen(Qt::NoPen);
    for (double x = -10; x < kWidth + 10; x += rng.uniform(9.0, 20.0)) {
        const double radius = rng.uniform(7.0, 12.0) * (0.8 + 0.5 * fbm(x / 60.0, 1.0, 5));
        // Trunk, mostly hidden by the wall and fence anyway.
        p.fillRect(QRectF(x - 0.8, 135, 1.6, 20), qcolor(hazed({70, 60, 52}, 110)));
        paintTree(p, rng, x, 142.0 - rng.uniform(0.0, 6.0), radius);
    }
    for (double x = -6; x < kWidth + 6; x += rng.uniform(5.0, 9.0)) // hedge along the street
        paintTree(p, rng, x, 162.0, rng.uniform(6.0, 9.0));
}

void paintFloodlight(QPainter &p)
{
    const double mastX = 41.0, mastZ = -7.0, mastTop = 24.0;
    const QPointF base = kCam.project(mastX, 0, mastZ), top = kCam.project(mastX, mastTop, mastZ);
    const double depth = kCam.depthOf(mastX, mastZ), scale = kCam.focal / depth;
    const Rgb steel = hazed({122, 122, 134}, depth);

    QPainterPath pole; // slightly tapered
    pole.moveTo(base.x() - 0.35 * scale, base.y());
    pole.lineTo(top.x() - 0.2 * scale, top.y());
    pole.lineTo(top.x() + 0.2 * scale, top.y());
    pole.lineTo(base.x() + 0.35 * scale, base.y());
    QLinearGradient poleShade(base.x() - 0.35 * scale, 0, base.x() + 0.35 * scale, 0);
    poleShade.setColorAt(0.0, qcolor(scaled(steel, 1.15)));
    poleShade.setColorAt(1.0, qcolor(scaled(steel, 0.75)));
    p.fillPath(pole, poleShade);

    // Lamp head: a frame carrying two rows of three lamps, lit for the evening session.
    const QRectF head(top.x() - 2.7 * scale, top.y() - 3.0 * scale, 5.4 * scale, 2.6 * scale);
    p.setPen(QPen(qcolor(scaled(steel, 0.8)), 0.25 * scale));
    p.drawLine(QPointF(top.x(), top.y()), head.center() + QPointF(0, head.height() / 2));
    p.setPen(Qt::NoPen);
    p.setBrush(qcolor(scaled(steel, 0.6)));
    p.drawRoundedRect(head, 0.3 * scale, 0.3 * scale);
    p.setBrush(QColor(255, 253, 242));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawEllipse(QPointF(head.x() + (0.95 + col * 1.75) * scale, head.y() + (0.68 + row * 1.24) * scale),
                          0.72 * scale, 0.55 * scale);
    // Soft bloom around the lamps, as a camera would record it.
    QRadialGradient glow(head.center(), head.width() * 1.5);
    glow.setColorAt(0.0, QColor(255, 248, 232, 120));
    glow.setColorAt(0.35, QColor(255, 240, 230, 50));
    glow.setColorAt(1.0, QColor(255, 236, 230, 0));
    p.setBrush(glow);
    p.drawEllipse(head.center(), head.width() * 1.5, head.width() * 1.5);
}

// ---------------------------------------------------------------- pitch

double segmentDistance(double px, double pz, double ax, double az, double bx, double bz)
{
    const double vx = bx - ax, vz = bz - az;
    const double t = std::clamp(((px - ax) * vx + (pz - az) * vz) / (vx * vx + vz * vz), 0.0, 1.0);
    return std::hypot(px - ax - t * vx, pz - az - t * vz);
}

// Distance from a ground point to the nearest painted line's centre.
double markingDistance(double x, double z)
{
    const double hl = kPitchLength / 2, w = kPitchWidth, mid = w / 2;
    double d = std::min({segmentDistance(x, z, -hl, 0, hl, 0), segmentDistance(x, z, -hl, w, hl, w),
                         segmentDistance(x, z, -hl, 0, -hl, w), segmentDistance(x, z, hl, 0, hl, w),
                         segmentDistance(x, z, 0, 0, 0, w)});
    d = std::min(d, std::abs(std::hypot(x, z - mid) - 7.0));       // centre circle
    d = std::min(d, std::max(0.0, std::hypot(x, z - mid) - 0.15)); // centre spot
    for (double side : {-1.0, 1.0}) {
        const double goal = side * hl;
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
    const double wear = fbm(x / 9.0, z / 9.0, 31);
    c = mix(c, Rgb{108, 128, 78}, std::clamp((wear - 0.55) * 1.6, 0.0, 0.35));
    const double lineHalfWidth = 0.06 + 0.0035 * depth; // far lines stay readable
    if (markingDistance(x, z) < lineHalfWidth)
        c = mix(Rgb{238, 240, 232}, c, std::min(0.55, depth / 160.0));
    return c;
}

double wallBaseY(double sx)
{
    double x;
    const double depth = kCam.depthOnPlane(sx, kWallZ, x);
    return kCam.screenY(0.0, depth);
}

void paintTurf(QImage &img)
{
    constexpr int kSub = 4; // supersampling keeps thin distant lines smooth
    for (int y = 0; y < kHeight; ++y)
        for (int px = 0; px < kWidth; ++px) {
            if (y + 1 < wallBaseY(px))
                continue;
            Rgb sum{0, 0, 0};
            double depth = 0;
            int samples = 0;
            for (int i = 0; i < kSub * kSub; ++i) {
                double x, z;
                const double sx = px + (i % kSub + 0.5) / kSub, sy = y + (i / kSub + 0.5) / kSub;
                if (!kCam.groundAt(sx, sy, x, z, depth) || z < kWallZ)
                    continue;
                const Rgb c = turfColour(x, z, depth);
                sum = sum + c;
                ++samples;
            }
            if (samples == 0)
                continue;
            Rgb c = scaled(sum, 1.0 / samples);
            const Rgb behind = pixelAt(img, px, y); // blend the wall-base edge
            c = mix(behind, c, samples / double(kSub * kSub));
            // Grain: the turf's fibres, coarser towards the camera.
            const double grain = (hashUnit(px, y, 77) - 0.5) * (10.0 + 1200.0 / depth);
            c = {c.r + grain * 0.7, c.g + grain, c.b + grain * 0.6};
            putPixel(img, px, y, hazed(c, depth * 1.6));
        }
}

// How much of pixel row y (spanning y..y+1) lies between a and b.
double rowCoverage(int y, double a, double b)
{
    return std::clamp(std::min(y + 1.0, b) - std::max(double(y), a), 0.0, 1.0);
}

// The low wall along the far touchline and the green chain-link fence on it.
void paintWallAndFence(QImage &img)
{
    constexpr int kSub = 3;
    for (int px = 0; px < kWidth; ++px) {
        double x;
        const double depth = kCam.depthOnPlane(px + 0.5, kWallZ, x), scale = kCam.focal / depth;
        const double base = kCam.screenY(0.0, depth), wallTop = kCam.screenY(kWallHeight, depth);
        const double fenceTop = kCam.screenY(kFenceHeight, depth);
        double postCover = 0; // posts every 2.5 m, 8 cm thick
        for (int s = 0; s < kSub; ++s) {
            double sx;
            kCam.depthOnPlane(px + (s + 0.5) / kSub, kWallZ, sx);
            postCover += std::abs(std::remainder(sx, 2.5)) < 0.08 ? 1.0 / kSub : 0.0;
        }
        const Rgb steel = hazed({46, 62, 52}, depth);
        for (int y = std::max(0, int(fenceTop) - 1); y <= int(base) + 1 && y < kHeight; ++y) {
            Rgb c = pixelAt(img, px, y);
            const double mesh = rowCoverage(y, fenceTop, wallTop);
            c = mix(c, steel, mesh * (0.2 + 0.12 * hashUnit(px, y, 9)));
            c = mix(c, steel, mesh * postCover * 0.9);
            c = mix(c, steel, 0.9 * rowCoverage(y, fenceTop, fenceTop + 0.12 * scale)); // top rail
            // Weathered painted concrete, with a light coping and dirt at the foot.
            const double stain = fbm(x / 1.5, y / 3.0, 61);
            Rgb concrete = scaled(Rgb{168, 164, 162}, 0.82 + 0.28 * stain);
            concrete = mix(concrete, Rgb{228, 224, 218}, rowCoverage(y, wallTop, wallTop + 0.15 * scale));
            concrete = mix(concrete, Rgb{84, 90, 70}, 0.5 * rowCoverage(y, base - 0.25 * scale, base));
            c = mix(c, hazed(concrete, depth), rowCoverage(y, wallTop, base));
            putPixel(img, px, y, c);
        }
    }
}

void paintCornerFlags(QPainter &p)
{
    for (double side : {-1.0, 1.0}) {
        const double x = side * kPitchLength / 2;
        const QPointF foot = kCam.project(x, 0, 0), top = kCam.project(x, 1.6, 0);
        p.setPen(QPen(QColor(236, 236, 230), 1.0));
        p.drawLine(foot, top);
        const QPointF flag[] = {top, top + QPointF(4.0, 1.2), top + QPointF(0, 3.0)};
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 200, 40));
        p.drawPolygon(flag, 3);
    }
}

// Photographic finish: gentle vignette and a film-like grain on everything.
void finishPhoto(QImage &img)
{
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const double r = std::hypot((x - kWidth * 0.45) / kWidth, (y - kHeight * 0.4) / kHeight);
            Rgb c = scaled(pixelAt(img, x, y), 1.0 - 0.22 * std::pow(r, 2.2));
            const double grain = (hashUnit(x, y, 2024) - 0.5) * 5.0;
            putPixel(img, x, y, {c.r + grain, c.g + grain, c.b + grain});
        }
}

QImage renderBackground()
{
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    paintSky(img);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        paintHills(p);
        paintBlocks(p);
        paintTrees(p);
        paintFloodlight(p);
    }
    paintTurf(img);
    paintWallAndFence(img);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        paintCornerFlags(p);
    }
    finishPhoto(img);
    return img;
}

// ---------------------------------------------------------------- palette
// Median cut picks the starting palette, a few k-means rounds refine it, and
// Floyd-Steinberg dithering hides the steps in the sky gradient.

using Colours = std::vector<Rgb>;

Colours pixelsOf(const QImage &img)
{
    Colours pixels;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            pixels.push_back(pixelAt(img, x, y));
    return pixels;
}

double distance2(Rgb a, Rgb b)
{
    const double dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return 2 * dr * dr + 4 * dg * dg + 3 * db * db; // rough perceptual weights
}

int nearest(const Colours &palette, Rgb c)
{
    int best = 0;
    for (int i = 1; i < int(palette.size()); ++i)
        if (distance2(palette[std::size_t(i)], c) < distance2(palette[std::size_t(best)], c))
            best = i;
    return best;
}

Colours buildPalette(Colours pixels, int count)
{
    struct Box {
        std::size_t begin, end;
        int axis;
        double score; // spread along the longest axis, weighted by population
    };
    auto makeBox = [&pixels](std::size_t begin, std::size_t end) {
        Rgb lo{255, 255, 255}, hi{0, 0, 0};
        for (std::size_t i = begin; i < end; ++i)
            for (int k = 0; k < 3; ++k) {
                lo.channel(k) = std::min(lo[k], pixels[i][k]);
                hi.channel(k) = std::max(hi[k], pixels[i][k]);
            }
        int axis = 0;
        for (int k = 1; k < 3; ++k)
            if (hi[k] - lo[k] > hi[axis] - lo[axis])
                axis = k;
        const double score = end - begin > 1 ? (hi[axis] - lo[axis]) * std::sqrt(double(end - begin)) : 0.0;
        return Box{begin, end, axis, score};
    };
    std::vector<Box> boxes{makeBox(0, pixels.size())};
    while (int(boxes.size()) < count) {
        auto box = std::max_element(boxes.begin(), boxes.end(),
                                    [](const Box &a, const Box &b) { return a.score < b.score; });
        if (box->score <= 0)
            break;
        const Box split = *box;
        const std::size_t mid = (split.begin + split.end) / 2;
        std::nth_element(pixels.begin() + long(split.begin), pixels.begin() + long(mid),
                         pixels.begin() + long(split.end),
                         [axis = split.axis](Rgb a, Rgb b) { return a[axis] < b[axis]; });
        *box = makeBox(split.begin, mid);
        boxes.push_back(makeBox(mid, split.end));
    }
    Colours palette;
    for (const Box &b : boxes)
        palette.push_back(
            scaled(std::accumulate(pixels.begin() + long(b.begin), pixels.begin() + long(b.end), Rgb{0, 0, 0}),
                   1.0 / double(b.end - b.begin)));
    for (int round = 0; round < 4; ++round) { // k-means: move each entry to the mean of its pixels
        Colours sums(palette.size(), Rgb{0, 0, 0});
        std::vector<int> counts(palette.size(), 0);
        for (Rgb c : pixels) {
            const auto i = std::size_t(nearest(palette, c));
            sums[i] = sums[i] + c;
            ++counts[i];
        }
        for (std::size_t i = 0; i < palette.size(); ++i)
            if (counts[i] > 0)
                palette[i] = scaled(sums[i], 1.0 / counts[i]);
    }
    for (Rgb &c : palette) // the file stores whole numbers
        c = {std::round(c.r), std::round(c.g), std::round(c.b)};
    return palette;
}

QVector<QRgb> colourTable(const Colours &palette)
{
    QVector<QRgb> table;
    for (Rgb c : palette)
        table.push_back(qcolor(c).rgb());
    table.resize(256, qRgb(0, 0, 0));
    return table;
}

QImage quantizeDithered(const QImage &src)
{
    const Colours pixels = pixelsOf(src);
    const Colours palette = buildPalette(pixels, 256);
    QImage out(src.size(), QImage::Format_Indexed8);
    out.setColorTable(colourTable(palette));
    const int w = src.width();
    Colours errors(std::size_t(w + 2) * 2, Rgb{0, 0, 0}); // two rows, one pixel of slack each side
    for (int y = 0; y < src.height(); ++y) {
        Rgb *cur = &errors[std::size_t(y % 2 * (w + 2) + 1)];
        Rgb *next = &errors[std::size_t((y + 1) % 2 * (w + 2) + 1)];
        std::fill(next - 1, next + w + 1, Rgb{0, 0, 0});
        const int dir = y % 2 == 0 ? 1 : -1; // serpentine scan avoids directional artefacts
        for (int i = 0; i < w; ++i) {
            const int x = dir > 0 ? i : w - 1 - i;
            const Rgb want = pixels[std::size_t(y * w + x)] + cur[x];
            const Rgb c{std::clamp(want.r, 0.0, 255.0), std::clamp(want.g, 0.0, 255.0), std::clamp(want.b, 0.0, 255.0)};
            const int index = nearest(palette, c);
            out.setPixel(x, y, uint(index));
            const Rgb e = scaled(c + scaled(palette[std::size_t(index)], -1.0), 0.9);
            cur[x + dir] = cur[x + dir] + scaled(e, 7.0 / 16);
            next[x - dir] = next[x - dir] + scaled(e, 3.0 / 16);
            next[x] = next[x] + scaled(e, 5.0 / 16);
            next[x + dir] = next[x + dir] + scaled(e, 1.0 / 16);
        }
    }
    return out;
}

// ---------------------------------------------------------------- trophy
// Drawn on a 32-unit grid and scaled, so every icon size is crisp.

QPainterPath handlePath(bool left)
{
    QPainterPath path;
    const double s = left ? 1 : -1, c = 16;
    path.moveTo(c - s * 7.6, 6.2);
    path.cubicTo(c - s * 13.8, 5.4, c - s * 14.2, 13.5, c - s * 4.8, 15.2);
    QPainterPathStroker stroker;
    stroker.setWidth(2.2);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(path);
}

void paintTrophy(QPainter &p, int size)
{
    p.scale(size / 32.0, size / 32.0);
    QPainterPath bowl;
    bowl.moveTo(8, 4.6);
    bowl.cubicTo(8, 11.5, 11, 15.4, 14.2, 16.8);
    bowl.lineTo(17.8, 16.8);
    bowl.cubicTo(21, 15.4, 24, 11.5, 24, 4.6);
    bowl.closeSubpath();
    const QRectF rim(8, 2.8, 16, 3.6);
    QPainterPath stem;
    stem.addRect(14.9, 16.5, 2.2, 6.5);
    stem.addEllipse(QPointF(16, 17.2), 2.8, 1.0);
    stem.addEllipse(QPointF(16, 19.8), 2.1, 1.0);
    QPainterPath foot;
    foot.moveTo(11.2, 25.6);
    foot.cubicTo(13.4, 25.0, 14.6, 23.8, 14.9, 22.2);
    foot.lineTo(17.1, 22.2);
    foot.cubicTo(17.4, 23.8, 18.6, 25.0, 20.8, 25.6);
    foot.closeSubpath();
    QPainterPath plinth;
    plinth.addRoundedRect(QRectF(9.4, 25.3, 13.2, 2.4), 0.5, 0.5);
    plinth.addRoundedRect(QRectF(7.8, 27.4, 16.4, 2.8), 0.6, 0.6);

    QPainterPath silhouette = bowl.united(handlePath(true)).united(handlePath(false));
    QPainterPath rimPath;
    rimPath.addEllipse(rim);
    silhouette = silhouette.united(rimPath).united(stem).united(foot).united(plinth);

    // Dark outline first, so the trophy stands out on any desktop.
    p.setPen(QPen(QColor(74, 44, 4), 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(silhouette);
    p.setPen(Qt::NoPen);

    // Polished gold: dark at the edges, a bright band left of centre.
    auto gold = [](double x0, double x1) {
        QLinearGradient g(x0, 0, x1, 0);
        g.setColorAt(0.00, QColor(150, 96, 18));
        g.setColorAt(0.22, QColor(255, 238, 150));
        g.setColorAt(0.42, QColor(244, 196, 64));
        g.setColorAt(0.78, QColor(196, 134, 26));
        g.setColorAt(1.00, QColor(128, 78, 10));
        return g;
    };
    p.setBrush(gold(2, 30));
    p.drawPath(handlePath(true).united(handlePath(false)));
    p.setBrush(gold(8, 24));
    p.drawPath(bowl);
    p.setBrush(gold(13.2, 18.8));
    p.drawPath(stem.united(foot));
    p.setBrush(gold(9.4, 22.6));
    p.drawRoundedRect(QRectF(9.4, 25.3, 13.2, 2.4), 0.5, 0.5);
    QLinearGradient plinthShade(7.8, 0, 24.2, 0); // darker bronze base
    plinthShade.setColorAt(0.0, QColor(120, 70, 12));
    plinthShade.setColorAt(0.3, QColor(214, 156, 50));
    plinthShade.setColorAt(1.0, QColor(96, 56, 8));
    p.setBrush(plinthShade);
    p.drawRoundedRect(QRectF(7.8, 27.4, 16.4, 2.8), 0.6, 0.6);

    // The open top: a shadowed inside framed by a bright lip.
    QLinearGradient inside(0, rim.top(), 0, rim.bottom());
    inside.setColorAt(0.0, QColor(150, 96, 18));
    inside.setColorAt(1.0, QColor(72, 40, 4));
    p.setBrush(inside);
    p.setPen(QPen(QColor(255, 230, 130), 0.6));
    p.drawEllipse(rim);

    // Specular streak on the bowl.
    p.setPen(Qt::NoPen);
    QPainterPath streak;
    streak.moveTo(10.2, 7.0);
    streak.cubicTo(10.3, 10.5, 11.6, 13.0, 13.4, 14.6);
    streak.cubicTo(12.2, 12.4, 11.4, 10.2, 11.4, 7.0);
    streak.closeSubpath();
    p.setBrush(QColor(255, 252, 226, 220));
    p.drawPath(streak);
}

QImage renderTrophy(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintTrophy(p, size);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

// ---------------------------------------------------------------- .ico writer

// One square image, 8 bits per pixel with a 256-colour palette, plus the AND mask.
QByteArray encodeIco(const QImage &argb)
{
    const int n = argb.width();
    auto opaque = [&argb](int x, int y) { return qAlpha(argb.pixel(x, y)) >= 110; };
    Colours used;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (opaque(x, y))
                used.push_back(pixelAt(argb, x, y));
    const Colours palette = buildPalette(used, 255);
    Colours entries{Rgb{0, 0, 0}}; // entry 0: the colour under transparent pixels
    entries.insert(entries.end(), palette.begin(), palette.end());

    QByteArray ico;
    auto put = [&ico](int value, int bytes) { // little-endian
        for (int i = 0; i < bytes; ++i)
            ico.append(char((std::uint32_t(value) >> (8 * i)) & 0xffu));
    };
    const int andStride = (n + 31) / 32 * 4, imageBytes = n * n + andStride * n;
    put(0, 2), put(1, 2), put(1, 2);            // ICONDIR: reserved, type icon, one image
    put(n, 1), put(n, 1), put(0, 1), put(0, 1); // ICONDIRENTRY: size, 0 = 256 colours, reserved
    put(1, 2), put(8, 2), put(40 + 256 * 4 + imageBytes, 4), put(6 + 16, 4); // planes, bpp, byte count, offset
    put(40, 4), put(n, 4), put(2 * n, 4), put(1, 2), put(8, 2); // BITMAPINFOHEADER; height covers XOR + AND
    put(0, 4), put(imageBytes, 4), put(0, 4), put(0, 4), put(256, 4), put(0, 4);
    for (QRgb c : colourTable(entries)) // palette as B, G, R, 0
        put(int(c & 0xffffffu), 4);
    for (int y = n - 1; y >= 0; --y) // XOR bitmap, bottom-up
        for (int x = 0; x < n; ++x)
            put(opaque(x, y) ? 1 + nearest(palette, pixelAt(argb, x, y)) : 0, 1);
    for (int y = n - 1; y >= 0; --y) { // AND mask, 1 = transparent, rows padded to 32 bits
        QByteArray row(andStride, 0);
        for (int x = 0; x < n; ++x)
            if (!opaque(x, y))
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        ico.append(row);
    }
    return ico;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output-folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = out.mkpath(".");

    ok = ok && quantizeDithered(renderBackground()).save(out.filePath("background.bmp"), "BMP");
    ok = ok && writeFile(out.filePath("trophy.ico"), encodeIco(renderTrophy(32)));
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = QString("icons/%1x%1").arg(size);
        ok = ok && out.mkpath(dir) && renderTrophy(size).save(out.filePath(dir + "/nomilo.png"), "PNG");
    }
    if (!ok) {
        std::fprintf(stderr, "nomilo_artgen: could not write to %s\n", argv[1]);
        return 1;
    }
    return 0;
}
