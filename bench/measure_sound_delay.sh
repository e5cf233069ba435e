#!/usr/bin/env bash
# The delay from a click on a button to the first audible sample of its click
# sound, on the optimised game in a real window under Xvfb, playing into a
# private PulseAudio server whose null sink is recorded (as in the audio
# test). The pointer rests on "Старт" and clicks it CLICKS times, 0.6 s
# apart. Each delay runs from the moment xdotool is started to send the
# release (so it counts xdotool's own start too) to the first sample above
# -50 dB, placed by the recording's own clock. The figures are good to some
# 5 ms: the sink works in blocks of that length, and the moment a block
# reaches the recording is known to within one.
#
# Usage: bench/measure_sound_delay.sh [CLICKS]   (default 10)
set -euo pipefail
# shellcheck source=bench/real_windows.sh
source "$(dirname "$0")/real_windows.sh"
clicks=${1:-10}
build_release_game torvel-game
# shellcheck source=tests/e2e/sound_session.sh
source tests/e2e/sound_session.sh
work=$(mktemp -d)
trap 'stop_x; stop_sound; rm -rf "$work"' EXIT
trap 'exit 1' TERM INT

start_sound_server "$work/sound"
start_recording "$work/recording.raw"
start_x $((clicks + 60))
make_game_folder "$work/play" "$source_dir"
(cd "$work/play" && exec "$game") 2>> "$work/game.log" &
x_pids+=($!)
main=$(find_window "$MAIN_TITLE")

readonly LISTEN_NS=600000000
read -r x y <<< "$MAIN_START"
xdotool mousemove --sync --window "$main" "$x" "$y"
wait_recorded $(($(now_ns) + LISTEN_NS))

: > "$work/delays"
for ((click = 0; click < clicks; click++)); do
  # The sound plays on the release: the press goes first, untimed.
  xdotool mousedown 1
  at=$(now_ns)
  xdotool mouseup 1
  handed=$(now_ns)
  wait_recorded $((at + LISTEN_NS))
  from=$(seconds_into_recording "$at")
  to=$(seconds_into_recording $((at + LISTEN_NS)))
  # What is left after the leading silence is trimmed ends where the part does.
  left=$(sox "${RECORD_SOX[@]}" "$recording" -n trim "$from" ="$to" silence 1 1s 0.3% stat 2>&1 | span_of)
  if awk -v left="${left:-0}" 'BEGIN { exit !(left <= 0) }'; then
    echo "click $((click + 1)) was not heard" >&2
    exit 1
  fi
  awk -v from="$from" -v to="$to" -v left="$left" -v early="$((2 * RECORD_LATENCY_MS))" \
    -v xdotool="$(((handed - at) / 100000))" \
    'BEGIN { printf "%.1f %.1f\n", (to - left - from) * 1000 - early, xdotool / 10 }' >> "$work/delays"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
delays() { cut -d' ' -f1 "$work/delays"; }
cat << EOF

| Figure | Value |
|---|---|
| release of the button to first audible sample, median of $clicks | $(delays | median) ms |
| fastest, slowest | $(delays | sort -n | head -n 1) ms, $(delays | sort -n | tail -n 1) ms |
| each click, in order | $(delays | tr '\n' ' ')ms |
| xdotool's own run for the release, median (counted in the delay) | $(cut -d' ' -f2 "$work/delays" | median) ms |
EOF
