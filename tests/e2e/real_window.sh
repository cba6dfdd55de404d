#!/usr/bin/env bash
# Plays the built game in a real X window with real key presses (XTEST), as
# players would, twice:
# - from a copy of the build folder: its look against the reference picture,
#   levels finished through the "Congratulations!!!" box, a score placed with
#   a typed name, held Escape, and the two ways out: releasing Escape, and
#   closing the window through the window manager (which writes nothing);
#   under a file size limit, a save the system refuses, beside the table and
#   in place (played by another user than the folder's owner): the game says
#   so, plays on, and the table stays byte for byte;
# - installed with `cmake --install` and run by a new user: a placement, its
#   name box cancelled with Escape, creates the user's own table, and the
#   prefix keeps its files byte for byte; a list of the user's own is played
#   instead of the shipped one, and a damaged one ends the program with an
#   error box; the window's X11 class, and its
#   Wayland app id under a headless weston, are those the installed desktop
#   entry names;
# - from the build folder's copy again, on a private accessibility bus: what a
#   screen reader is told (screen_reader.py).
# Before that, the command line is answered with no display at all.
# Run under xvfb-run:
#   xvfb-run -a -s "-screen 0 1024x768x24" tests/e2e/real_window.sh build /tmp/work "Nomilo 1.05" 6.4.2
# (the last: the Qt version the game was built with).
set -euo pipefail
build=$1
work=$2
version=$3
qt=$4
pid= wm= weston=
shared=
trap 'kill -9 $pid $wm $weston 2>/dev/null; [[ -z $shared ]] || { chmod -R u+w "$shared"; rm -rf "$shared"; }' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# The id of the visible window with this exact title, waiting for it.
window_named() { xdotool search --sync --onlyvisible --name "^$1\$" | tail -1; }
main_window() { window_named 'Nomilo v1\.05  \[03-06-27\]'; }
# Focuses a window (nothing else hands out the focus) and presses keys in it.
press_in() { xdotool windowfocus --sync "$1" sleep 0.2 key --delay 60 "${@:2}" sleep 0.3; }
# Waits for the program to end after $1, which it must do with status $2 (0).
ended() {
    timeout 5 tail --pid="$pid" -f /dev/null || fail "$1 did not end the program"
    local status=0
    wait "$pid" || status=$?
    ((status == ${2:-0})) || fail "after $1 the program ended with status $status"
}
expect_scores() { printf "$1" | cmp -s - "$2" || fail "high-score file $3: $(od -c "$2" 2>&1)"; }

rm -rf "$work"
mkdir -p "$work/portable/database" "$work/home" "$work/runtime"
# Its status, and the first lines of its standard output and error.
answer() {
    local status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$build/nomilo" "$@" >"$work/out" 2>"$work/err" || status=$?
    echo "$status|$(head -1 "$work/out")|$(head -1 "$work/err")"
}
[[ $(answer --help) == "0|Usage: $build/nomilo [options]|" ]] || fail "--help: $(answer --help)"
[[ $(answer --version) == "0|$version|" ]] || fail "--version: $(answer --version)"
# Qt's own option is left to Qt; the unknown one is named.
[[ $(answer -platform offscreen --bogus) == "2||nomilo: Unknown option 'bogus'." ]] || fail "$(answer --bogus)"

# A program folder of its own, with the files the reference pictures show.
cp "$build/nomilo" "$work/portable/"
scores=$work/portable/database/hscores.txt
printf '<------------------------Testland\r\nAnna\r\n<--END-->\r\n' > "$work/portable/database/data.txt"
printf 'Ann\r\nBen\r\nCy\r\nDi\r\nEd\r\n40\r\n30\r\n20\r\n10\r\n5\r\n' > "$scores"
# The system lets the game write files of 4 KiB at most: enough for a table.
(ulimit -f 4 && exec "$work/portable/nomilo") &
pid=$!
main=$(main_window)
sleep 0.3
# The clock may have ticked, and the text cursor may blink: both are left
# out; every other pixel must be as in the reference picture of this release.
unsteady() { convert "$1" -fill black -draw 'rectangle 368,176 480,232' -draw 'rectangle 9,137 87,153' "$2"; }
reference=$(dirname "$0")/../reference/$(. /etc/os-release && echo "$ID-$VERSION_ID")/start.png
import -window "$main" "$work/start.png"
unsteady "$work/start.png" "$work/window.png"
unsteady "$reference" "$work/reference.png"
differ=$(compare -metric AE "$work/window.png" "$work/reference.png" /dev/null 2>&1 || true)
[[ $differ == 0 ]] || fail "the window differs from $reference in $differ pixels"

# A level is two letters: +4 points and +2 lives with the box's Return.
finish_level() { press_in "$main" a Return n Return && press_in "$(window_named 'Congratulations!!!')" Return; }
lose_lives() { for _ in $(seq "$1"); do press_in "$main" "$2" Return; done; }
finish_level
finish_level # 8 points: place 5
lose_lives 14 z
press_in "$(window_named Nomilo)" ctrl+a X e n a Return
expect_scores 'Ann\r\nBen\r\nCy\r\nDi\r\nXena\r\n40\r\n30\r\n20\r\n10\r\n8\r\n' "$scores" "after the placement"
# A table larger than that, whose last place a score of 0 takes: the system
# refuses the save, and the game says so, plays on and leaves the table as it was.
printf '%5000s\r\nBen\r\nCy\r\nDi\r\nEd\r\n9\r\n8\r\n7\r\n6\r\n-1\r\n' Long > "$work/large.txt"
save_refused() {
    cp "$work/large.txt" "$scores"
    # shellcheck disable=SC2046 # ten misses, each a key and Return
    press_in "$(main_window)" $(printf '7 Return %.0s' {1..10})
    press_in "$(window_named Nomilo)" Return
    kill -0 "$pid" 2>/dev/null || fail "a save the system refused ended the program ($1)"
    press_in "$(window_named Nomilo)" Return # the box that says why
    cmp -s "$work/large.txt" "$scores" || fail "a save the system refused changed the table ($1)"
}
save_refused "saved beside the table"

# Holding Escape does not end the program; releasing it does.
xdotool windowfocus --sync "$main" keydown Escape sleep 2
kill -0 "$pid" || fail "holding Escape down ended the program"
xdotool keyup Escape
ended "Escape released in the window"

# Closed by the window manager in the middle of a game: nothing is written.
cp "$scores" "$work/before.txt"
openbox --config-file /dev/null >/dev/null 2>&1 &
wm=$!
"$work/portable/nomilo" &
pid=$!
press_in "$(main_window)" a Return alt+F4
ended "closing the window"
cmp -s "$work/before.txt" "$scores" || fail "closing the window changed the high-score file"

# A portable copy in a folder only its owner may write, played by another
# user (from a folder every user can reach, which the build's may not be):
# the table, which everyone may write, is saved in place.
shared=$(mktemp -d)
chmod 755 "$shared" && cp -a "$work/portable" "$shared/"
scores=$shared/portable/database/hscores.txt
chmod 555 "$shared/portable/database" && chmod 666 "$scores"
player=() # root may write any folder: then the player is nobody
((EUID)) || { install -m 644 "$XAUTHORITY" "$shared/xauthority" &&
    player=(setpriv --reuid=65534 --regid=65534 --clear-groups env XAUTHORITY="$shared/xauthority" HOME=/nonexistent); }
(ulimit -f 4 && exec "${player[@]}" "$shared/portable/nomilo") &
pid=$!
save_refused "saved in place"
kill "$pid"
scores=$work/portable/database/hscores.txt

# Installed. Without seeing the window no score above 0 is certain with the
# shipped names, and 0 (ten misses with "7": no name holds a digit) earns no
# place in the shipped table; so this copy's starting table is replaced,
# before the snapshot, by one whose fifth place holds -1.
prefix=$work/usr
"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >/dev/null
[[ $(ls "$prefix/bin") == nomilo ]] || fail "bin/ holds: $(ls "$prefix/bin")"
printf 'Ann\r\nBen\r\nCy\r\nDi\r\nEd\r\n9\r\n8\r\n7\r\n6\r\n-1\r\n' > "$prefix/share/nomilo/hscores.txt"
snapshot() { (cd "$prefix" && find . -printf '%M %p\n' | sort && find . -type f -exec sha256sum {} + | sort -k2); }
snapshot > "$work/installed.txt"
installed() { HOME=$work/home env -u XDG_DATA_HOME "$prefix/bin/nomilo" "$@" & pid=$!; }
installed
main=$(main_window)
entry=$(echo "$prefix"/share/applications/*.desktop)
class=$(xprop -id "$main" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = ".*", "\(.*\)"$/\1/p')
[[ -n $class && $class == "$(sed -n 's/^StartupWMClass=//p' "$entry")" ]] || fail "window class '$class' for $entry"
lose_lives 10 7
press_in "$(window_named Nomilo)" Escape
kill -0 "$pid" || fail "the Escape that cancelled the name box ended the program"
press_in "$main" Escape
ended Escape
expect_scores "Ann\\r\\nBen\\r\\nCy\\r\\nDi\\r\\nI'm Stupid\\r\\n9\\r\\n8\\r\\n7\\r\\n6\\r\\n0\\r\\n" "$work/home/.local/share/nomilo/hscores.txt" "of the user"
[[ $(ls -A "$work/home/.local/share/nomilo") == hscores.txt ]] || fail "the user's folder holds more"
snapshot | diff "$work/installed.txt" - || fail "the prefix changed"

# The user's own list (Anna alone: a level is "a" and "n"); damaged, an error box ends the program.
own=$work/home/.local/share/nomilo/data.txt
cp "$work/portable/database/data.txt" "$own"
installed
main=$(main_window)
finish_level
press_in "$main" Escape
ended "Escape after a level of the user's own list"
printf 'Anna\r\nPe\tle\r\n' > "$own"
installed
press_in "$(window_named Nomilo)" Return
ended "the error box of a damaged own list" 1
rm "$own"

export XDG_RUNTIME_DIR=$work/runtime
chmod 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --shell=kiosk-shell.so --socket=wayland-test --idle-time=0 >"$work/weston.log" 2>&1 &
weston=$!
timeout 10 sh -c "until [ -S '$XDG_RUNTIME_DIR/wayland-test' ]; do sleep 0.1; done" || fail "weston: $(cat "$work/weston.log")"
WAYLAND_DISPLAY=wayland-test WAYLAND_DEBUG=1 installed -platform wayland 2>"$work/wayland.log"
timeout 20 sh -c "until grep -q 'set_app_id(' '$work/wayland.log'; do sleep 0.1; done" || fail "no app id on Wayland"
[[ $(grep -o 'set_app_id(".*")' "$work/wayland.log") == "set_app_id(\"$(basename "$entry" .desktop)\")" ]] ||
    fail "$(grep -o 'set_app_id(.*)' "$work/wayland.log") for $entry"
kill "$pid"

# As a screen reader meets it, on an accessibility bus of its own.
dbus-run-session -- "$(dirname "$0")/screen_reader.py" "$work/portable/nomilo" "$qt" 2>"$work/screen_reader.log" ||
    fail "with a screen reader (its log: $work/screen_reader.log)"
echo "real window: the command line without a display; played by keyboard, held Escape, closed by the window" \
    "manager; saves refused under a file size limit, beside the table and in place; installed, a new user's" \
    "own table and own list, the window known by its desktop entry on X11 and Wayland; a level as a screen" \
    "reader tells it"
