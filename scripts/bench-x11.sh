#!/bin/bash
# What a pointer move costs on a real X server, as a user's machine pays it: the editor runs
# under Xvfb with a window manager, xdotool moves the pointer, and the CPU time of the editor
# and of the X server comes from /proc before and after. Each case is given as a ratio to a
# bare move over an empty part of the main window, measured in the same run.
#
#   scripts/bench-x11.sh [EDITOR] [ROUNDS] [MOVES]
set -eu

editor=${1:-build-bench/pixlore}
rounds=${2:-3}
moves=${3:-320}
pace=${PACE:-0.02} # seconds between moves, so that the toolkit has no reason to merge them

for tool in Xvfb openbox xdotool; do
    command -v "$tool" >/dev/null || { echo "bench-x11: $tool is missing (make deps)" >&2; exit 1; }
done
[ -x "$editor" ] || { echo "bench-x11: no editor at $editor" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Every glyph full ink: the renders draw the most they ever draw.
head -c 2048 /dev/zero | tr '\0' '\377' >"$work/ink.fnt"

# Nanoseconds of CPU that the process has run, all its threads together.
cpu_ns() {
    local sum=0 ns rest
    for f in /proc/"$1"/task/*/schedstat; do
        read -r ns rest <"$f" || continue
        sum=$((sum + ns))
    done
    echo "$sum"
}

# Waits until the editor and the server have handled everything sent so far.
settle() {
    local before after tries=0
    after=$(($(cpu_ns "$app") + $(cpu_ns "$server")))
    while :; do
        before=$after
        sleep 0.15
        after=$(($(cpu_ns "$app") + $(cpu_ns "$server")))
        [ $((after - before)) -lt 300000 ] && return
        tries=$((tries + 1))
        [ $tries -gt 60 ] && { echo "bench-x11: the editor never went idle after ${stage:-start-up}" >&2; exit 1; }
    done
}

start_round() {
    # A display number of our own, far from the low ones that other programs and tests
    # on this machine may connect to.
    local number
    for _ in $(seq 20); do
        number=$((200 + RANDOM % 700))
        [ -e /tmp/.X11-unix/X$number ] || [ -e /tmp/.X$number-lock ] || break
    done
    # The smart scheduler's 5 ms timer sometimes keeps ticking while the server is idle, which
    # would count against whatever case runs then.
    Xvfb :$number -dumbSched -screen 0 1600x1000x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    server=$!
    pids+=("$server")
    for _ in $(seq 100); do [ -e /tmp/.X11-unix/X$number ] && break; sleep 0.1; done
    export DISPLAY=:$number
    # A window mapped before the window manager runs would stay undecorated and unmanaged.
    rm -f "$work/wm-ready"
    openbox --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
    pids+=("$!")
    for _ in $(seq 100); do [ -e "$work/wm-ready" ] && break; sleep 0.1; done
    "$editor" "$work/ink.fnt" >"$work/editor.log" 2>&1 &
    app=$!
    pids+=("$app")
    main=$(xdotool search --sync --onlyvisible --name '^pixlore')
    xdotool windowmove --sync "$main" 0 0
    # Char > Map > "PC 80x50" from the keyboard, once the first menu title is open.
    xdotool mousemove --window "$main" 15 10 click 1
    sleep 0.5
    xdotool key Right Right Right
    sleep 0.3
    xdotool key Down Down Return
    map=$(xdotool search --sync --onlyvisible --name '^Character map')
    xdotool windowmove --sync "$map" 700 0
    # The character dragged and painted: a click on the charset view selects it.
    xdotool mousemove --window "$main" 74 46 click 1
    settle
}

stop_round() {
    kill "$app" "$server" 2>/dev/null || true
    wait 2>/dev/null || true
    pids=()
}

# The moves of a case, as xdotool commands: "path WINDOW X Y" lines on stdin.
chain() {
    local window x y args=()
    while read -r window x y; do
        args+=(mousemove --window "$window" "$x" "$y" sleep "$pace")
    done
    printf '%s\n' "${args[@]}"
}

# Runs one case: BEFORE (xdotool commands, not counted), the moves from stdin, AFTER.
# Prints the editor's and the server's nanoseconds per move.
measure() {
    local before=$1 after=$2 list app0 server0 app1 server1
    stage="'$before' ... '$after'"
    mapfile -t list < <(chain)
    # shellcheck disable=SC2086
    [ -n "$before" ] && xdotool $before
    settle
    app0=$(cpu_ns "$app")
    server0=$(cpu_ns "$server")
    xdotool "${list[@]}"
    settle
    app1=$(cpu_ns "$app")
    server1=$(cpu_ns "$server")
    # shellcheck disable=SC2086
    [ -n "$after" ] && xdotool $after
    settle
    local n=$((${#list[@]} / 7))
    echo "$(((app1 - app0) / n)) $(((server1 - server0) / n))"
}

bare_path() {
    for ((i = 0; i < moves; ++i)); do echo "$main $((430 + 16 * (i % 12))) $((230 + 16 * (i / 12 % 12)))"; done
}
charset_hover_path() {
    for ((i = 0; i < moves; ++i)); do echo "$main $((10 + 16 * (i % 14))) $((44 + 16 * (i / 14 % 12)))"; done
}
# Not snapped to the grid: the dragged picture follows the pointer pixel by pixel. The last
# move comes back to the source, so the drop changes nothing.
drag_path() {
    for ((i = 1; i < moves; ++i)); do echo "$main $((20 + 7 * (i % 30))) $((40 + 5 * (i / 30 % 36)))"; done
    echo "$main 74 46"
}
# Strokes through all 64 cells of the glyph view, every move a new cell; right and left
# buttons take turns, starting on the full-ink glyph, so every move clears or sets a pixel.
glyph_stroke() {
    for ((i = 1; i < 64; ++i)); do
        local r=$((i / 8)) c=$((i % 8))
        ((r % 2)) && c=$((7 - c))
        echo "$main $((270 + 16 * c)) $((28 + 16 * r))"
    done
}
# STEP pixels apart along rows of the map from FIRST_ROW on: with 16 every move is a new cell,
# with 4 every fourth, more as a hand moves.
map_path() {
    local step=$1 first=$2 across=$((480 / $1))
    for ((i = 0; i < moves; ++i)); do
        echo "$map $((8 + step * (i % across))) $((8 + 16 * (first + i / across % 22)))"
    done
}

declare -A editor_ns server_ns ratios
record() { # case, "editor server" nanoseconds per move
    local e s
    read -r e s <<<"$2"
    [ -n "$s" ] || exit 1
    editor_ns[$1]+="$e "
    server_ns[$1]+="$s "
}

median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

cases=(bare charset-hover drag-preview glyph-paint map-hover map-paint map-hover-4px map-paint-4px)
echo "bench-x11: $editor, $rounds rounds of $moves moves per case; load average $(cut -d' ' -f1-3 /proc/loadavg)"
for ((round = 1; round <= rounds; ++round)); do
    editor_ns=() server_ns=()
    start_round
    xdotool mousemove --window "$main" 430 230
    record bare "$(bare_path | measure "" "")"
    xdotool mousemove --window "$main" 10 44
    record charset-hover "$(charset_hover_path | measure "" "")"
    record drag-preview "$(drag_path | measure "mousemove --window $main 74 46 mousedown 1" "mouseup 1")"
    for ((stroke = 0; stroke < moves / 63; ++stroke)); do
        button=$((stroke % 2 ? 1 : 3))
        record glyph-stroke "$(glyph_stroke | measure "mousemove --window $main 270 28 mousedown $button" "mouseup $button")"
    done
    record glyph-paint "$(echo "${editor_ns[glyph-stroke]}" | median) $(echo "${server_ns[glyph-stroke]}" | median)"
    xdotool mousemove --window "$map" 8 8
    record map-hover "$(map_path 16 0 | measure "" "")"
    record map-hover-4px "$(map_path 4 0 | measure "" "")"
    # Each painting case on rows of its own, so that every cell it reaches changes.
    record map-paint "$(map_path 16 0 | measure "mousemove --window $map 8 8 mousedown 1" "mouseup 1")"
    record map-paint-4px "$(map_path 4 12 | measure "mousemove --window $map 8 200 mousedown 1" "mouseup 1")"
    xdotool mousemove --window "$main" 430 230
    record bare "$(bare_path | measure "" "")"
    stop_round
    # Ratios within the round: the bare move is the mean of the round's first and last.
    read -r e1 e2 <<<"${editor_ns[bare]}"
    read -r s1 s2 <<<"${server_ns[bare]}"
    bare=$(((e1 + e2 + s1 + s2) / 2))
    for c in "${cases[@]}"; do
        read -r e <<<"${editor_ns[$c]}"
        read -r s <<<"${server_ns[$c]}"
        [ "$c" = bare ] && e=$(((e1 + e2) / 2)) s=$(((s1 + s2) / 2))
        ratios[$c]+="$(awk -v e="$e" -v s="$s" -v b="$bare" 'BEGIN { printf "%.3f", (e + s) / b }') "
        ratios[$c-editor]+="$e "
        ratios[$c-server]+="$s "
    done
done

# Each case's median over the rounds: microseconds of CPU per move, and the ratio of the
# editor's and the server's time together to a bare move of the same round.
printf '%-14s %10s %12s %10s %8s   %s\n' case "editor us" "X server us" "total us" ratio "ratio per round"
for c in "${cases[@]}"; do
    e=$(echo "${ratios[$c-editor]}" | median)
    s=$(echo "${ratios[$c-server]}" | median)
    r=$(echo "${ratios[$c]}" | median)
    awk -v c="$c" -v e="$e" -v s="$s" -v r="$r" -v all="${ratios[$c]}" 'BEGIN {
        printf "%-14s %10.1f %12.1f %10.1f %8.2f   %s\n", c, e / 1000, s / 1000, (e + s) / 1000, r, all }'
done
echo "bench-x11: load average $(cut -d' ' -f1-3 /proc/loadavg)"
