#!/usr/bin/env bash
# Plays the built game in a real X window with real key presses (XTEST), as a
# player would: finishes levels through the "Congratulations!!!" box, loses a
# game without a place and two with one, checks the high-score file's bytes
# and a screenshot, and ends with Escape. Run under xvfb-run:
#   xvfb-run -a -s "-screen 0 1024x768x24" tests/e2e/play.sh build/nomilo /tmp/work
set -euo pipefail

binary=$1
work=$2
pid=

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
cleanup() {
    if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then kill -9 "$pid"; fi
}
trap cleanup EXIT

# A program folder of its own: the binary beside crafted data files.
rm -rf "$work"
mkdir -p "$work/database"
cp "$binary" "$work/nomilo"
printf '// one short name, so a level is two letters\r\n<------------------------Testland\r\nAb\r\n<--END-->\r\n' \
    > "$work/database/data.txt"
printf 'Ann\r\nBen\r\nCy\r\nDi\r\nEd\r\n9\r\n8\r\n7\r\n6\r\n5\r\n' > "$work/database/hscores.txt"

"$work/nomilo" &
pid=$!

# The id of the visible window with this exact title, waiting for it.
window_named() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1 || true)
        [[ -n $id ]] && { echo "$id"; return; }
        sleep 0.1
    done
    fail "no window titled '$1' appeared"
}
# Without a window manager nothing hands out the focus: give it explicitly.
focus() {
    xdotool windowfocus --sync "$1"
    sleep 0.2
}
press() {
    xdotool key --delay 60 "$@"
    sleep 0.3
}
alive() {
    kill -0 "$pid" 2>/dev/null
}
gone() {
    for _ in $(seq 50); do
        alive || return 0
        sleep 0.1
    done
    return 1
}

main=$(window_named 'Nomilo v1.05  \[03-06-27\]')
focus "$main"
sleep 0.5

# One finished level: a, Enter, b, Enter; the box shows the name; Enter closes it.
finish_level() {
    focus "$main"
    press a Return b Return
    local box
    box=$(window_named 'Congratulations!!!')
    focus "$box"
    press Return
}
# Misses until the lives run out: z again and again.
lose_lives() {
    focus "$main"
    for _ in $(seq "$1"); do press z Return; done
}

# The look of the window, from a real screenshot.
shot=$work/window.png
import -window "$main" "$shot"
pixel() { convert "$shot" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:; }
[[ $(pixel 12 180) == 224,224,224 ]] || fail "lives box is $(pixel 12 180), not light grey"
[[ $(pixel 100 124) == 1,1,105 ]] || fail "origin line is $(pixel 100 124), not deep blue"
[[ $(pixel 150 262) == 234,255,239 ]] || fail "first place is $(pixel 150 262), not pale green"
IFS=, read -r r g b <<< "$(pixel 485 300)"
(( g > r && g > b )) || fail "the turf should show at the right edge, got $r,$g,$b"

# The high-score file, byte for byte.
expect_scores() {
    printf "$1" > "$work/expected.txt"
    cmp -s "$work/expected.txt" "$work/database/hscores.txt" \
        || fail "high-score file $2: $(od -c "$work/database/hscores.txt")"
}

# Each level: a and b score 1 each, the finished name 2 more and 2 lives.
# Game 1: one level (4 points, 12 lives), then 12 misses: 4 does not beat 5.
finish_level
lose_lives 12
over=$(window_named Nomilo)
focus "$over"
# Escape closes the game-over box; its release must not end the program.
press Escape
alive || fail "the Escape that closed the game-over box ended the program"

# Game 2: two levels (8 points, 14 lives), then 14 misses: place 3, below
# the 8 already there.
finish_level
finish_level
lose_lives 14
ask=$(window_named Nomilo)
focus "$ask"
press ctrl+a X e n a Return
expect_scores 'Ann\r\nBen\r\nXena\r\nCy\r\nDi\r\n9\r\n8\r\n8\r\n7\r\n6\r\n' "after the placement"

# Game 3: three levels (12 points, 16 lives): place 1; Escape cancels the
# name box, and the place goes to "I'm Stupid".
finish_level
finish_level
finish_level
lose_lives 16
ask=$(window_named Nomilo)
focus "$ask"
press Escape
alive || fail "the Escape that cancelled the name box ended the program"
expect_scores "I'm Stupid\\r\\nAnn\\r\\nBen\\r\\nXena\\r\\nCy\\r\\n12\\r\\n9\\r\\n8\\r\\n8\\r\\n7\\r\\n" "after the cancelled box"

# Holding Escape down does not end the program; releasing it does, at once.
focus "$main"
xdotool keydown Escape
sleep 2
alive || { xdotool keyup Escape; fail "holding Escape down ended the program"; }
xdotool keyup Escape
gone || fail "Escape released in the window did not end the program"
wait "$pid" || fail "the program ended with status $?"
pid=
echo "real window: 3 games played by keyboard, every check held"
