#include "IconFiles.h"

#include "Colour.h"
#include "Palette.h"
#include "Trophy.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>

namespace artgen {

namespace {

constexpr std::array<int, 6> kThemeIconSizes{16, 32, 48, 64, 128, 256};

// A one-image .ico: 8 bits per pixel with a 256-colour palette, plus the AND
// mask; pixels that are mostly transparent in argb become transparent.
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
            put(opaque(x, y) ? 1 + nearestIndex(palette, pixelAt(argb, x, y)) : 0, 1);
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
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

bool writeWindowsIcon(const QDir &folder)
{
    return writeFile(folder.filePath("trophy.ico"), encodeIco(renderTrophy(32)));
}

bool writeThemeIcons(const QDir &folder)
{
    for (int size : kThemeIconSizes) {
        const QString dir = QString("icons/%1x%1").arg(size);
        if (!folder.mkpath(dir) || !renderTrophy(size).save(folder.filePath(dir + "/nomilo.png"), "PNG"))
            return false;
    }
    return true;
}

} // namespace artgen
