#pragma once

// The trophy as icon files: a Windows .ico for the executable and PNGs in
// the sizes a Linux icon theme asks for.

#include <QDir>

namespace artgen {

// trophy.ico in the folder.
bool writeWindowsIcon(const QDir &folder);

// icons/<N>x<N>/nomilo.png in the folder, for every theme size.
bool writeThemeIcons(const QDir &folder);

} // namespace artgen
