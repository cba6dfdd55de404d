#!/usr/bin/env bash
# Plays the built game in a real X window with real key presses (XTEST), as a
# player would: its look against the reference picture, levels finished
# through the "Congratulations!!!" box, a game lost without a place (its box
# closed with Escape) and one placed with a typed name, held Escape, and
# the two ways out: releasing Escape, and closing the window through the
# window manager. Run under xvfb-run:
#   xvfb-run -a -s "-screen 0 1024x768x24" tests/e2e/play.sh build/nomilo /tmp/work
set -euo pipefail
source "$(dirname "$0")/lib.sh"
binary=$1
work=$2
scores=$work/database/hscores.txt

# A program folder of its own, with the files the reference pictures show.
rm -rf "$work"
mkdir -p "$work/database"
cp "$binary" "$work/nomilo"
printf '<------------------------Testland\r\nAnna\r\n<--END-->\r\n' > "$work/database/data.txt"
printf 'Ann\r\nBen\r\nCy\r\nDi\r\nEd\r\n40\r\n30\r\n20\r\n10\r\n5\r\n' > "$scores"
"$work/nomilo" &
pid=$!
main=$(main_window)
sleep 0.5
import -window "$main" "$work/start.png"
# The text cursor may blink in the picture: up to 24 pixels may differ.
differ=$(compare -metric AE "$work/start.png" "$(dirname "$0")/../reference/start.png" /dev/null 2>&1 || true)
((differ <= 24)) || fail "the window differs from tests/reference/start.png in $differ pixels"

# A level is two letters: +4 points and +2 lives with the box's Return.
finish_levels() {
    for _ in $(seq "$1"); do
        press_in "$main" a Return n Return
        press_in "$(window_named 'Congratulations!!!')" Return
    done
}
lose_lives() { for _ in $(seq "$1"); do press_in "$main" z Return; done; }

finish_levels 1 # 4 points: no place beside a 5
lose_lives 12
press_in "$(window_named Nomilo)" Escape
kill -0 "$pid" || fail "the Escape that closed the game-over box ended the program"

finish_levels 2 # 8 points: place 5
lose_lives 14
press_in "$(window_named Nomilo)" ctrl+a X e n a Return
expect_scores 'Ann\r\nBen\r\nCy\r\nDi\r\nXena\r\n40\r\n30\r\n20\r\n10\r\n8\r\n' "$scores" "after the placement"

# Holding Escape does not end the program; releasing it does.
xdotool windowfocus --sync "$main" keydown Escape
sleep 2
kill -0 "$pid" || fail "holding Escape down ended the program"
xdotool keyup Escape
ended "Escape released in the window"

# Closed by the window manager in the middle of a game: nothing is written.
cp "$scores" "$work/before.txt"
openbox --config-file /dev/null >/dev/null 2>&1 &
wm=$!
"$work/nomilo" &
pid=$!
press_in "$(main_window)" a Return alt+F4
ended "closing the window"
cmp -s "$work/before.txt" "$scores" || fail "closing the window changed the high-score file"
echo "real window: 2 games played by keyboard, held Escape, closed by the window manager; every check held"
