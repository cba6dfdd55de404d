// Nomilo art generator.
//
// Draws every picture the game ships with, procedurally and deterministically:
//   background.bmp               550x413, 8-bit palette: a turf pitch seen from a stand
//   trophy.ico                   32x32, 256 colours + AND mask (Windows icon)
//   icons/<N>x<N>/nomilo.png     the same trophy with alpha, for the Linux icon theme
//
// Usage: nomilo_artgen <output-folder>

#include "Background.h"
#include "IconFiles.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output-folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = out.mkpath(".");
    ok = ok && artgen::writeBackground(out);
    ok = ok && artgen::writeWindowsIcon(out);
    ok = ok && artgen::writeThemeIcons(out);
    if (!ok) {
        std::fprintf(stderr, "nomilo_artgen: could not write to %s\n", argv[1]);
        return 1;
    }
    return 0;
}
