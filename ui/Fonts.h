#pragma once

#include <QFont>

// The window's fonts: Arial and Courier New, or where those faces are not
// installed their metric twins Liberation Sans and Mono.
namespace fonts {

// For the controls without a font of their own: a compact 11-pixel sans
// serif. The headings and the button were sized for it; a desktop's wider
// default would clip them.
QFont window();
QFont maskedName(); // Courier New 36 pt, bold
QFont counter();    // Courier New 38.25 pt, bold: lives, score and time
QFont letterBox();  // Arial 11.25 pt, bold

} // namespace fonts
