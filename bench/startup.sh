#!/usr/bin/env bash
# Start-up time and peak memory of the game against a minimal Qt Widgets
# program, side by side under one Xvfb server.
#
#   bench/startup.sh [GAME [MINIMAL]]
#     GAME     the built game        (default: build/nomilo)
#     MINIMAL  the yardstick program (default: build/bench/nomilo_minimal_window)
#   Environment: RUNS, the timed runs of each program (default 10), after one
#   warm-up run of each.
#
# Start-up time: from the launch until the X server maps the program's window.
# The script does not poll for the window: on this kind of machine starting
# any command (xdotool, xwininfo, even date) takes 3 to 30 ms, as long as a
# tenth of what is measured. Instead one `xev` watches the root window for the
# whole session and writes its events into a pipe; the script blocks reading
# the pipe and takes the time (bash's $EPOCHREALTIME, no process started) the
# moment the MapNotify line arrives. The window is then checked to be the
# program's own (_NET_WM_PID, with xprop), outside the timed span.
#
# Peak memory: 1 s after the window is mapped (the game has loaded its data
# files and started its first level), VmHWM, the peak resident set, is read
# from /proc/PID/status and the program is ended. The timed runs start the
# program directly, so that nothing else is counted in the start-up time; the
# warm-up runs start it under /usr/bin/time, when present, to check that its
# %M (the peak resident set at exit) agrees with VmHWM.
#
# The CPU time the program used from its launch until it is ended
# (/proc/PID/schedstat) is shown too, without a target: a window is mapped
# before it is painted, and whatever a program does after mapping (painting,
# the game's first level) shows there and not in the start-up time.
#
# The two programs take turns, the first of each pair alternating, so a change
# in the machine's load falls on both. The game runs from a temporary copy of
# the build folder's layout: the program and a database/ holding the
# repository's shipped data files.

set -uo pipefail
export LC_ALL=C

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(dirname "$here")
game_bin=${1:-$repo/build/nomilo}
minimal_bin=${2:-$repo/build/bench/nomilo_minimal_window}
runs=${RUNS:-10}
target=1.25
map_timeout_s=30

die() { echo "startup.sh: $*" >&2; exit 2; }

for tool in Xvfb xev xprop stdbuf awk sort; do
    command -v "$tool" >/dev/null || die "$tool is needed (packages xvfb, x11-utils, coreutils)"
done
[[ -n ${EPOCHREALTIME:-} ]] || die "bash 5 or later is needed (\$EPOCHREALTIME)"
[[ -x $game_bin ]] || die "no game program at $game_bin (build it, or pass its path)"
[[ -x $minimal_bin ]] || die "no minimal window program at $minimal_bin (build with -DNOMILO_BUILD_BENCHMARKS=ON, or pass its path)"
[[ $runs =~ ^[1-9][0-9]*$ ]] || die "RUNS must be a positive number"
gnu_time=
if [[ -x /usr/bin/time ]] && /usr/bin/time -f %M -o /dev/null true 2>/dev/null; then
    gnu_time=/usr/bin/time
fi

# Everything this script starts is ended on the way out, whatever happens.
work=$(mktemp -d "${TMPDIR:-/tmp}/nomilo-startup.XXXXXX") || die "no temporary folder"
xvfb_pid= xev_pid= runner_pid= app_pid=
cleanup() {
    local pid
    exec 4<&- 2>/dev/null
    # Asked first, so that Xvfb removes its socket; then forced.
    for pid in "$app_pid" "$runner_pid" "$xev_pid" "$xvfb_pid"; do
        [[ -n $pid ]] && kill -TERM "$pid" 2>/dev/null
    done
    for _ in $(seq 20); do
        kill -0 $app_pid $runner_pid $xev_pid $xvfb_pid 2>/dev/null || break
        sleep 0.05
    done
    for pid in "$app_pid" "$runner_pid" "$xev_pid" "$xvfb_pid"; do
        [[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null
    done
    for pid in "$runner_pid" "$xev_pid" "$xvfb_pid"; do
        [[ -n $pid ]] && wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The two programs, each in a folder of its own.
mkdir -p "$work/game/database" "$work/minimal" || die "cannot fill $work"
cp "$game_bin" "$work/game/nomilo" || die "cannot copy $game_bin"
cp "$repo/database/data.txt" "$repo/database/hscores.txt" "$work/game/database/" || die "cannot copy the data files"
cp "$minimal_bin" "$work/minimal/nomilo_minimal_window" || die "cannot copy $minimal_bin"
game=$work/game/nomilo
minimal=$work/minimal/nomilo_minimal_window

# One X server for every run; it picks a free display and writes its number.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 200); do
    [[ -s $work/display ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || die "Xvfb did not start: $(cat "$work/xvfb.log")"
    sleep 0.05
done
[[ -s $work/display ]] || die "Xvfb gave no display number"
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY SESSION_MANAGER

# The watcher: every window created, configured or mapped on the screen.
mkfifo "$work/events" || die "cannot make a pipe"
stdbuf -oL xev -root -event substructure >"$work/events" 2>"$work/xev.log" &
xev_pid=$!
exec 4<"$work/events"

now_us() { echo "${EPOCHREALTIME/./}"; }

# Reads what the watcher reported until it has been quiet for a moment.
drain_events() {
    local line
    while IFS= read -r -t 0.3 line <&4; do :; done
}

# run_once PROGRAM [WRAPPER...]: sets result to "<µs to the mapped window>
# <peak KiB> <CPU µs> [<peak KiB according to the wrapper>]". It runs in this
# shell, not a subshell, so the exit trap knows the processes it starts.
result=
run_once() {
    local program=$1 start end= line window= pid= hwm cpu_ns wrapped=
    shift
    local wrapper=("$@")
    result=
    drain_events
    start=$(now_us)
    if ((${#wrapper[@]})); then
        "${wrapper[@]}" "$program" >>"$work/app.log" 2>&1 &
    else
        "$program" >>"$work/app.log" 2>&1 &
    fi
    runner_pid=$!

    # Block on the watcher until a top-level window is mapped.
    while [[ -z $window ]]; do
        if IFS= read -r -t 1 line <&4; then
            [[ $line == MapNotify\ event* ]] || continue
            end=$(now_us)
            IFS= read -r -t 1 line <&4 || continue
            # "    event 0x..., window 0x..., override NO"
            [[ $line =~ window\ (0x[0-9a-fA-F]+),\ override\ NO ]] && window=${BASH_REMATCH[1]}
        else
            if ! kill -0 "$runner_pid" 2>/dev/null; then
                echo "startup.sh: $program ended before showing a window; its output:" >&2
                tail -n 20 "$work/app.log" >&2
                return 1
            fi
            if (( $(now_us) - start >= map_timeout_s * 1000000 )); then
                echo "startup.sh: no window of $program after ${map_timeout_s} s" >&2
                return 1
            fi
        fi
    done

    # Untimed from here: the window must be the program's own.
    pid=$(xprop -id "$window" _NET_WM_PID 2>/dev/null | awk '{ print $NF }')
    app_pid=$runner_pid
    if ((${#wrapper[@]})); then
        app_pid=$(ps -o pid= --ppid "$runner_pid" | tr -d ' ')
    fi
    if [[ $pid != "$app_pid" ]]; then
        echo "startup.sh: the window mapped ($window, of process ${pid:-?}) is not $program's ($app_pid)" >&2
        return 1
    fi

    sleep 1
    hwm=$(awk '/^VmHWM:/ { print $2 }' "/proc/$app_pid/status" 2>/dev/null)
    read -r cpu_ns _ <"/proc/$app_pid/schedstat" 2>/dev/null
    kill -TERM "$app_pid" 2>/dev/null
    wait "$runner_pid" 2>/dev/null
    if ((${#wrapper[@]})); then
        # After a signal, time writes "Command terminated by signal 15" first.
        wrapped=$(tail -n1 "$work/wrapper.out" 2>/dev/null)
    fi
    runner_pid= app_pid=
    [[ $hwm =~ ^[0-9]+$ ]] || { echo "startup.sh: no peak memory figure for $program" >&2; return 1; }
    result="$((end - start)) $hwm $((${cpu_ns:-0} / 1000)) $wrapped"
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

show_run() { # label which result
    local us kib cpu_us wrapped
    read -r us kib cpu_us wrapped <<<"$3"
    printf '  %-7s %-7s  %7.1f ms to map  %7d KiB peak  %7.1f ms CPU%s\n' "$1" "$2" \
        "$(awk -v u="$us" 'BEGIN { print u / 1000 }')" "$kib" "$(awk -v u="$cpu_us" 'BEGIN { print u / 1000 }')" \
        "${wrapped:+  (/usr/bin/time: $wrapped KiB)}"
}

echo "Display $DISPLAY; one warm-up run, then $runs timed runs of each program"
drain_events
for which in game minimal; do
    program=$game
    [[ $which == minimal ]] && program=$minimal
    if [[ -n $gnu_time ]]; then
        run_once "$program" "$gnu_time" -f %M -o "$work/wrapper.out" || exit 1
    else
        run_once "$program" || exit 1
    fi
    show_run warm-up "$which" "$result"
done
for ((i = 1; i <= runs; i++)); do
    if ((i % 2)); then order=(game minimal); else order=(minimal game); fi
    for which in "${order[@]}"; do
        program=$game
        [[ $which == minimal ]] && program=$minimal
        run_once "$program" || exit 1
        echo "$result" >>"$work/$which.txt"
        show_run "run $i" "$which" "$result"
    done
done

column_median() { awk -v c="$1" -v d="$2" '{ print $c / d }' "$work/$3.txt" | median; }

row() { # name game minimal [target]
    awk -v name="$1" -v g="$2" -v m="$3" -v t="${4:-}" 'BEGIN {
        r = g / m
        if (t == "")
            printf "%-36s %8.1f %8.1f %6.2f %7s  %s\n", name, g, m, r, "-", "(no target)"
        else
            printf "%-36s %8.1f %8.1f %6.2f %7.2f  %s\n", name, g, m, r, t,
                   r <= t ? "met" : sprintf("MISSED by %.0f%%", (r / t - 1) * 100)
    }'
}
echo
printf '%-36s %8s %8s %6s %7s\n' "median of $runs runs" game minimal ratio target
row "start-up, launch to mapped (ms)" "$(column_median 1 1000 game)" "$(column_median 1 1000 minimal)" "$target"
row "peak resident memory (MiB)" "$(column_median 2 1024 game)" "$(column_median 2 1024 minimal)" "$target"
row "CPU time, launch to map + 1 s (ms)" "$(column_median 3 1000 game)" "$(column_median 3 1000 minimal)"
