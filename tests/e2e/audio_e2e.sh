#!/usr/bin/env bash
# The buttons' sounds on a real sound server: the game under Xvfb plays into
# a private PulseAudio server whose null sink is recorded. The pointer rests
# away from the buttons (silence), enters "Старт" (the whole hover sound is
# heard), clicks it (the whole click sound is heard) and rests away again
# (silence).
#
# Usage: audio_e2e.sh GAME SOURCE_DIR
set -euo pipefail

game=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/x_session.sh
source "$here/x_session.sh"
# shellcheck source=tests/e2e/sound_session.sh
source "$here/sound_session.sh"

for tool in pulseaudio pactl parec sox; do
  command -v "$tool" > /dev/null || {
    echo "FAIL: $tool is missing; bash scripts/install-deps.sh installs it" >&2
    exit 1
  }
done

work=$(mktemp -d)
finish() {
  stop_x
  stop_sound
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' TERM INT

# die PROBLEM: names it, with what the game and the sound server said.
die() {
  echo "FAIL: $*" >&2
  local log
  for log in "$work/game.log" "$work/sound/pulseaudio.log"; do
    [[ -s $log ]] && { echo "--- $(basename "$log"):"; cat "$log"; } >&2
  done
  exit 1
}

# Long enough for a sound to start and end even on a busy machine.
readonly SETTLE_NS=1000000000
readonly AWAY="1000 740"
# A sound is heard above this amplitude (both peak near 0.25); silence is
# digital silence, below the last bit of 16 bits.
readonly HEARD=0.1
readonly SILENT=0.0001

start_sound_server "$work/sound" || die "no sound server"
start_recording "$work/recording.raw" || die "the sink's monitor could not be recorded"
start_x 100 || die "no X server"
make_game_folder "$work/play" "$source_dir"
(cd "$work/play" && exec timeout 90 "$game") > "$work/game.log" 2>&1 &
x_pids+=($!)
main=$(find_window "$MAIN_TITLE") || die "the main window did not appear"

# shellcheck disable=SC2086  # AWAY is two numbers
xdotool mousemove --sync $AWAY
rest=$(now_ns)
wait_recorded $((rest + SETTLE_NS)) || die "the recording fell behind"
read -r button_x button_y <<< "$MAIN_START"
hover=$(now_ns)
xdotool mousemove --sync --window "$main" "$button_x" "$button_y"
wait_recorded $((hover + SETTLE_NS)) || die "the recording fell behind"
pressed=$(now_ns)
xdotool click 1
wait_recorded $((pressed + SETTLE_NS)) || die "the recording fell behind"
left=$(now_ns)
# shellcheck disable=SC2086
xdotool mousemove --sync $AWAY
wait_recorded $((left + SETTLE_NS)) || die "the recording fell behind"
ended=$(now_ns)

# check_silent WHAT FROM TO
check_silent() {
  local peak
  peak=$(loudest "$2" "$3")
  awk -v p="$peak" -v s="$SILENT" 'BEGIN { exit !(p < s) }' ||
    die "sound (amplitude $peak) was recorded $1"
  echo "silence $1"
}

# check_heard WHAT FILE FROM TO: the recording holds the whole sound of FILE,
# loud enough and as long as the file's own, give or take a twentieth.
check_heard() {
  local peak span expected
  peak=$(loudest "$3" "$4")
  span=$(recorded_span "$3" "$4")
  expected=$(sound_span "$2")
  awk -v p="$peak" -v h="$HEARD" 'BEGIN { exit !(p >= h) }' ||
    die "the sound $1 was not heard: amplitude $peak"
  awk -v s="$span" -v e="$expected" 'BEGIN { exit !(s >= 0.95 * e && s <= 1.05 * e) }' ||
    die "the sound $1 was heard for $span s, the file's own lasts $expected s"
  echo "heard $1: amplitude $peak for $span s (the file: $expected s)"
}

check_silent "while the pointer rested away from the buttons" "$rest" "$hover"
check_heard "after the pointer entered Старт" "$source_dir/assets/resources/over.wav" "$hover" "$pressed"
check_heard "after the click on Старт" "$source_dir/assets/resources/click.wav" "$pressed" "$left"
check_silent "after the pointer left the buttons" "$left" "$ended"
