#!/usr/bin/env bash
# Closes the built game's real window through a window manager (openbox, with
# its key for closing a window) in the middle of a game: the program must end
# at once with status 0, ask nothing, and leave the high-score file as it was.
#   xvfb-run -a tests/e2e/close.sh build/nomilo /tmp/work
set -euo pipefail

binary=$1
work=$2
pids=()
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
cleanup() {
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
}
trap cleanup EXIT

rm -rf "$work"
mkdir -p "$work/database"
cp "$binary" "$work/nomilo"
printf '<------------------------Testland\r\nAnna\r\n<--END-->\r\n' > "$work/database/data.txt"
printf 'Ann\r\nBen\r\nCy\r\nDi\r\nEd\r\n0\r\n0\r\n0\r\n0\r\n0\r\n' > "$work/database/hscores.txt"
cp "$work/database/hscores.txt" "$work/before.txt"

openbox --config-file /dev/null >/dev/null 2>&1 &
pids+=($!)
sleep 1
"$work/nomilo" &
game=$!
pids+=("$game")

id=
for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name '^Nomilo v1\.05  \[03-06-27\]$' 2>/dev/null | tail -1 || true)
    [[ -n $id ]] && break
    sleep 0.1
done
[[ -n $id ]] || fail "the window did not appear"

# A guess first, so a game is under way; a score of 1 would beat every place.
xdotool windowactivate --sync "$id" windowfocus --sync "$id"
xdotool key --delay 60 a Return
sleep 0.5
xdotool key alt+F4

for _ in $(seq 50); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game" 2>/dev/null && fail "closing the window did not end the program"
wait "$game" || fail "the program ended with status $?"
cmp -s "$work/before.txt" "$work/database/hscores.txt" || fail "closing the window changed the high-score file"
echo "real window: closed by the window manager, nothing written"
