#pragma once

#include "engine/GameView.h"

#include <QString>

// What a screen reader says of the game, in words: the masked name is read
// as letters and blanks, never as dots.
namespace spoken {

// "A, 2 blanks, a, space, K, 3 blanks".
QString maskedName(const Level &level);
// "z: missed. A, 2 blanks, a. 2 letters hidden. 9 lives left. Score 1."
QString guess(GuessResult result, const Level &level, Standing standing);
// "New name, from Sweden: 4 blanks, space, 4 blanks. 95 seconds. 8 letters hidden. 12 lives left. Score 6."
QString level(const Level &level, const QString &origin, int secondsLeft, Standing standing);
// A letter in the letter box that was tried before: "a: already tried in this level.".
QString alreadyTried(const QString &letter);
// What the clock's warning means, when it begins: "Time is running out: 5 seconds left.".
QString clockWarning(int secondsLeft, ClockWarning warning);

} // namespace spoken
