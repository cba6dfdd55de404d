#!/usr/bin/env bash
# The built program among the desktop's tools: its command line answered with
# no display at all, and its window matched to the desktop entry that
# `cmake --install` lays out, by X11's window class (xprop, under this Xvfb)
# and by Wayland's app id (a headless weston).
#   xvfb-run -a tests/e2e/desktop_citizen.sh BUILD WORK "Nomilo 1.05"
set -euo pipefail
build=$1
work=$2
version=$3
pid= weston=
trap 'kill $pid $weston 2>/dev/null || true' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$work"
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"

# Runs the program where no window can open: its status, first line of
# standard output and first line of standard error.
answer() {
    local status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$build/nomilo" "$@" >"$work/out" 2>"$work/err" || status=$?
    echo "$status|$(head -1 "$work/out")|$(head -1 "$work/err")"
}
expect() { [[ $2 == "$3" ]] || fail "$1 answered '$2', not '$3'"; }
expect --help "$(answer --help)" "0|Usage: $build/nomilo [options]|"
expect --version "$(answer --version)" "0|$version|"
# Qt's own option is left to Qt; the unknown one is named.
expect --bogus "$(answer -platform offscreen --bogus)" "2||nomilo: Unknown option 'bogus'."

prefix=$work/usr
"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >/dev/null
entries=("$prefix"/share/applications/*.desktop)
[[ ${#entries[@]} == 1 ]] || fail "installed desktop entries: ${entries[*]}"
wm_class=$(sed -n 's/^StartupWMClass=//p' "${entries[0]}")
app_id=$(basename "${entries[0]}" .desktop)
play() { HOME=$work/home env -u XDG_DATA_HOME "$prefix/bin/nomilo" -platform "$@" & pid=$!; }

play xcb
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | tail -1) || fail "no window on X11"
class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = ".*", "\(.*\)"$/\1/p')
[[ -n $wm_class && $class == "$wm_class" ]] || fail "window class '$class', StartupWMClass '$wm_class'"
kill "$pid"

export XDG_RUNTIME_DIR=$work/runtime
weston --backend=headless-backend.so --shell=kiosk-shell.so --socket=nomilo-test --idle-time=0 >"$work/weston.log" 2>&1 &
weston=$!
timeout 10 sh -c "until [ -S '$work/runtime/nomilo-test' ]; do sleep 0.1; done" || fail "weston: $(cat "$work/weston.log")"
WAYLAND_DISPLAY=nomilo-test WAYLAND_DEBUG=1 play wayland 2>"$work/wayland.log"
timeout 20 sh -c "until grep -q 'set_app_id(' '$work/wayland.log'; do sleep 0.1; done" || fail "no app id on Wayland: $(tail "$work/wayland.log")"
[[ $(grep -o 'set_app_id(".*")' "$work/wayland.log") == "set_app_id(\"$app_id\")" ]] || fail "$(grep 'set_app_id' "$work/wayland.log"), entry $app_id"
echo "desktop citizen: --help, --version and an unknown option without a display; window class $class and app id $app_id match the entry"
