#include "Palette.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>

namespace artgen {

namespace {

Colours pixelsOf(const QImage &image)
{
    Colours pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            pixels.push_back(pixelAt(image, x, y));
    return pixels;
}

double weightedDistance2(Rgb a, Rgb b)
{
    const double dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return 2 * dr * dr + 4 * dg * dg + 3 * db * db; // rough perceptual weights
}

} // namespace

int nearestIndex(const Colours &palette, Rgb colour)
{
    int best = 0;
    for (int i = 1; i < int(palette.size()); ++i)
        if (weightedDistance2(palette[std::size_t(i)], colour) < weightedDistance2(palette[std::size_t(best)], colour))
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
            const auto i = std::size_t(nearestIndex(palette, c));
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

QList<QRgb> colourTable(const Colours &palette)
{
    QList<QRgb> table;
    for (Rgb c : palette)
        table.push_back(toQColor(c).rgb());
    table.resize(256, qRgb(0, 0, 0));
    return table;
}

QImage quantizeDithered(const QImage &source)
{
    const Colours pixels = pixelsOf(source);
    const Colours palette = buildPalette(pixels, 256);
    QImage out(source.size(), QImage::Format_Indexed8);
    // Each row of 550 one-byte pixels is stored in 552 bytes: the two spare
    // ones would otherwise keep whatever the memory held, and go to the file.
    out.fill(0);
    out.setColorTable(colourTable(palette));
    const int w = source.width();
    const std::size_t rowLength = std::size_t(w) + 2;
    Colours errors(rowLength * 2, Rgb{0, 0, 0}); // two rows, one pixel of slack each side
    for (int y = 0; y < source.height(); ++y) {
        Rgb *cur = &errors[std::size_t(y % 2) * rowLength + 1];
        Rgb *next = &errors[std::size_t((y + 1) % 2) * rowLength + 1];
        std::fill(next - 1, next + w + 1, Rgb{0, 0, 0});
        const int dir = y % 2 == 0 ? 1 : -1; // serpentine scan avoids directional artefacts
        for (int i = 0; i < w; ++i) {
            const int x = dir > 0 ? i : w - 1 - i;
            const Rgb want = pixels[std::size_t(y) * std::size_t(w) + std::size_t(x)] + cur[x];
            const Rgb c{std::clamp(want.r, 0.0, 255.0), std::clamp(want.g, 0.0, 255.0), std::clamp(want.b, 0.0, 255.0)};
            const int index = nearestIndex(palette, c);
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

} // namespace artgen
