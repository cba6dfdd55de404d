#include "ui/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// A font by its face's name or, where that face is not installed, by the
// name of its metric twin. Fontconfig would find the twin for the missing
// name too, but only after sorting every installed font by likeness, which
// cost more than the rest of the window's start.
QFont namedFont(const QString &face, const QString &twin, QFont::StyleHint hint, int pixelSize, bool bold)
{
    static const QStringList kInstalled = QFontDatabase::families();
    QFont font(kInstalled.contains(face) || !kInstalled.contains(twin) ? face : twin);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont courierBold(int pixelSize)
{
    return namedFont(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QFont::Monospace, pixelSize,
                     true);
}

QFont arial(int pixelSize, bool bold)
{
    return namedFont(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QFont::SansSerif, pixelSize, bold);
}

} // namespace

namespace fonts {

QFont window()
{
    return arial(11, false);
}

QFont maskedName()
{
    return courierBold(48);
}

QFont counter()
{
    return courierBold(51);
}

QFont letterBox()
{
    return arial(15, true);
}

} // namespace fonts
