#!/usr/bin/env bash
# Whole-program figures of the optimised game in real windows under Xvfb:
#   - start-up: from the start of the process to its main window being mapped
#     and to the panel being painted, the median of many runs, against a
#     minimal Qt Widgets program (an empty window, and the same with one line
#     of text) started in turn with the game;
#   - peak resident memory over a full game played as in the real-window test;
#   - CPU time and wake-ups over an idle stretch with the pointer away from the
#     buttons, before and after a button was hovered, and, to show that the
#     counting sees a timer, while the pointer rests on a button.
# Wake-ups are the calls that wait for events (poll, ppoll, select), counted by
# strace over all threads of the game.
#
# Usage: bench/measure_process.sh [RUNS] [IDLE_SECONDS]   (defaults 30 and 10)
set -euo pipefail
# shellcheck source=bench/real_windows.sh
source "$(dirname "$0")/real_windows.sh"
runs=${1:-30}
idle=${2:-10}
build_release_game torvel-game first_window minimal_window
harness=$source_dir/build/release/bench/first_window
minimal=$source_dir/build/release/bench/minimal_window
work=$(mktemp -d)
trap 'stop_x; rm -rf "$work"' EXIT
trap 'exit 1' TERM INT
start_x $((runs * 5 + idle * 12 + 300))
make_game_folder "$work/play" "$source_dir"
cd "$work/play"
xdotool mousemove --sync 1000 740

echo "== start-up, $runs runs of the game and of the minimal programs in turn"
: > "$work/startup"
: > "$work/minimal"
: > "$work/minimal_text"
for ((run = 0; run < runs; run++)); do
  timeout 30 "$harness" "$MAIN_TITLE" 17 150 ffc080 "$game" >> "$work/startup" 2>> "$work/game.log"
  timeout 30 "$harness" "Минимум" 17 150 ffc080 "$minimal" >> "$work/minimal" 2>> "$work/game.log"
  timeout 30 "$harness" "Минимум" 17 150 ffc080 "$minimal" --text >> "$work/minimal_text" 2>> "$work/game.log"
done
mapped=$(cut -d' ' -f1 "$work/startup" | median)
painted=$(cut -d' ' -f2 "$work/startup" | median)
slowest=$(cut -d' ' -f2 "$work/startup" | sort -n | tail -n 1)
minimal_painted=$(cut -d' ' -f2 "$work/minimal" | median)
text_painted=$(cut -d' ' -f2 "$work/minimal_text" | median)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "== peak memory over a full game"
make_game_folder "$work/play" "$source_dir"
# No timeout of its own: the game ends with the X server, which has one.
/usr/bin/time -v -o "$work/time" "$game" 2>> "$work/game.log" &
x_pids+=($!)
main=$(find_window "$MAIN_TITLE")
play_game "$main"
click "$main" "$MAIN_EXIT"
wait "${x_pids[-1]}"
peak_kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time")

echo "== idle, ${idle} s for the CPU time and ${idle} s for the waits, three times"
"$game" 2>> "$work/game.log" &
game_pid=$!
x_pids+=("$game_pid")
main=$(find_window "$MAIN_TITLE")
ticks_per_second=$(getconf CLK_TCK)

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
# measure_idle LABEL: the game's CPU time over one stretch, then its waits for
# events over another (strace's own cost must not count as the game's CPU).
measure_idle() {
  local cpu0 cpu1 waits
  cpu0=$(cpu_ticks)
  sleep "$idle"
  cpu1=$(cpu_ticks)
  timeout -s INT "$idle" strace -f -c -e trace=poll,ppoll,select,pselect6 -o "$work/strace" -p "$game_pid" 2> /dev/null || true
  waits=$(awk '$NF == "total" { print $4 }' "$work/strace")
  printf '| %s | %d | %s |\n' "$1" $(((cpu1 - cpu0) * 1000 / ticks_per_second)) "${waits:-0}" >> "$work/idle"
}
: > "$work/idle"
xdotool mousemove --sync 1000 740
sleep 2
measure_idle "idle after start, pointer away"
# The button notices the pointer when it moves over it, as a hand's would.
xdotool mousemove --sync --window "$main" 90 280
xdotool mousemove --sync --window "$main" 97 280
sleep 0.5
measure_idle "pointer resting on Старт (hover timer on)"
xdotool mousemove --sync 1000 740
sleep 1
measure_idle "idle after the pointer left the button"
hover_waits=$(sed -n 2p "$work/idle" | cut -d'|' -f4)
if ((hover_waits == 0)); then
  echo "warning: no waits were counted while the pointer rested on a button: the counting does not see the game" >&2
fi

cat << EOF

| Figure | Value |
|---|---|
| start to main window mapped, median of $runs | $mapped ms |
| start to main window painted, median of $runs | $painted ms (slowest $slowest ms) |
| minimal Qt Widgets program, empty window, start to painted, median of $runs | $minimal_painted ms (the game takes $(ratio "$painted" "$minimal_painted") times as long) |
| the same with one line of text | $text_painted ms (the game takes $(ratio "$painted" "$text_painted") times as long) |
| peak resident memory, a full game | $((peak_kb / 1024)) MB ($peak_kb kB) |

| Stretch of ${idle} s | CPU ms | waits for events |
|---|---|---|
$(cat "$work/idle")
EOF
