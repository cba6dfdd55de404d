#pragma once

#include <QImage>

#include <cstdint>

// A picture compiled into the program as 32-bit pixels, ready to draw: there
// is no file to read and no image format to decode when the window opens.
struct Picture {
    const std::uint32_t *pixels;
    int width;
    int height;
    QImage::Format format;

    // The pixels as an image, without copying them.
    QImage image() const
    {
        return QImage(reinterpret_cast<const uchar *>(pixels), width, height, qsizetype{width} * 4, format);
    }
};

// Made at build time from resources/ by tools/bake.
namespace pictures {
extern const Picture kBackground; // only the part the window shows
extern const Picture kTrophy32;
extern const Picture kTrophy48;
extern const Picture kTrophy64;
} // namespace pictures
