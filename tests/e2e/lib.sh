# Shared by the real-window tests: finding windows by title, pressing keys in
# them, and waiting for the program to end. Sourced, not run.

pid=
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
wm=
trap 'kill -9 $pid $wm 2>/dev/null || true' EXIT

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
main_window() { window_named 'Nomilo v1\.05  \[03-06-27\]'; }

# Focuses a window and presses keys in it.
press_in() {
    xdotool windowfocus --sync "$1"
    sleep 0.2
    xdotool key --delay 60 "${@:2}"
    sleep 0.3
}

# Waits for the program to end, which it must do with status 0.
ended() {
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "$1 did not end the program"
    wait "$pid" || fail "after $1 the program ended with status $?"
    pid=
}

# The high-score file, byte for byte.
expect_scores() {
    printf "$1" | cmp -s - "$2" || fail "high-score file $3: $(od -c "$2" 2>&1)"
}
