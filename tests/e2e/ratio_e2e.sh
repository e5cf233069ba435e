#!/usr/bin/env bash
# The main window on a screen of device pixel ratio 2 (QT_SCALE_FACTOR=2),
# against the same window at ratio 1 in the same X server: the button skin is
# the 1x skin in 2 x 2 blocks, its caption is drawn at the screen's own
# resolution, and the column outlines keep all four sides (ratio_check.py).
#
# Usage: ratio_e2e.sh GAME SOURCE_DIR
set -euo pipefail

game=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/x_session.sh
source "$here/x_session.sh"

open_work_folder

# shoot RATIO: starts the game at that ratio, waits until its panel is
# painted, dumps the screen to shot-RATIO.xwd, prints the window's top-left
# corner as X,Y and ends the game.
shoot() {
  local ratio=$1 pid main panel tries
  (cd "$work/play" && QT_SCALE_FACTOR=$ratio exec timeout 60 "$game") > "$work/game-$ratio.log" 2>&1 &
  pid=$!
  x_pids+=("$pid")
  main=$(find_window "$MAIN_TITLE") || return 1
  eval "$(xdotool getwindowgeometry --shell "$main")"
  # The pointer far from every button, so none is hovered; a new place each
  # time, as a synchronous move to where the pointer is already never ends.
  xdotool mousemove --sync $((1000 + ratio)) 760
  for ((tries = 0; tries < 50; tries++)); do
    xwd -root -silent -out "$work/shot-$ratio.xwd"
    # The panel at (17, 150) of the window, in device pixels.
    panel=$(python3 "$here/xwd_pixels.py" "$work/shot-$ratio.xwd" "$((X + 17 * ratio)),$((Y + 150 * ratio))" | cut -d' ' -f2)
    [[ $panel == 255,192,128 ]] && break
    sleep 0.1
  done
  kill "$pid" 2> /dev/null || true
  wait "$pid" 2> /dev/null || true
  [[ $panel == 255,192,128 ]] || {
    echo "the window at ratio $ratio was not painted: the panel is $panel" >&2
    return 1
  }
  echo "$X,$Y"
}

start_x 100 || die "no X server"
make_game_folder "$work/play" "$source_dir"
corner1=$(shoot 1) || die "no screenshot at ratio 1"
corner2=$(shoot 2) || die "no screenshot at ratio 2"
python3 "$here/ratio_check.py" "$work/shot-1.xwd" "$corner1" "$work/shot-2.xwd" "$corner2" ||
  die "the window at ratio 2 is not the window at ratio 1 in whole blocks with a sharp caption"
echo "at ratio 2 the skin is in 2 x 2 blocks, the caption is sharp and the outlines have four sides"
