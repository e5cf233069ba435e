#!/usr/bin/env bash
# The built game in real windows under Xvfb, played with xdotool as a player
# would: the main window is shaped and painted (checked on a screenshot), a
# game is won, the new record is entered under a typed name, and results.tvl
# holds the expected table when the best-results window closes; the review of
# the game opens with Ctrl+R and closes with Escape. Exit through "Выход" ends
# the process.
#
# Usage: window_e2e.sh GAME SOURCE_DIR
set -euo pipefail

game=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/x_session.sh
source "$here/x_session.sh"

work=$(mktemp -d)
finish() {
  stop_x
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' TERM INT

die() {
  echo "FAIL: $*" >&2
  [[ -s $work/game.log ]] && { echo "--- game output:"; cat "$work/game.log"; } >&2
  exit 1
}

start_x 100 || die "no X server"
make_game_folder "$work/play" "$source_dir"
(cd "$work/play" && exec timeout 90 "$game") > "$work/game.log" 2>&1 &
game_pid=$!
x_pids+=("$game_pid")

main=$(find_window "$MAIN_TITLE") || die "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$main")"
[[ $WIDTH == 445 && $HEIGHT == 349 ]] || die "the main window is ${WIDTH} × ${HEIGHT}, not 445 × 349"

# The desktop entry names the window's class, so that docks group the window with it.
wm_class=$(xprop -id "$main" WM_CLASS | sed 's/.*, "\(.*\)"$/\1/')
entry_class=$(sed -n 's/^StartupWMClass=//p' "$source_dir/packaging/torvel.desktop")
[[ $wm_class == "$entry_class" ]] || die "the window's class is '$wm_class', the desktop entry says '$entry_class'"

# The screenshot: the pointer far from every button, so none is hovered.
xdotool mousemove --sync 1000 740
pixel() {
  python3 "$here/xwd_pixels.py" "$work/screen.xwd" "$((X + $1)),$((Y + $2))" | cut -d' ' -f2
}
panel=""
for ((tries = 0; tries < 50; tries++)); do
  xwd -root -silent -out "$work/screen.xwd"
  panel=$(pixel 17 150)
  [[ $panel == 255,192,128 ]] && break
  sleep 0.1
done
[[ $panel == 255,192,128 ]] || die "the panel at (17, 150) is $panel, not 255,192,128"
for corner in "1 1" "443 1" "1 347" "443 347"; do
  read -r cx cy <<< "$corner"
  [[ $(pixel "$cx" "$cy") == 0,0,0 ]] || die "corner ($cx, $cy) is not cut away: $(pixel "$cx" "$cy")"
done
[[ $(pixel 30 5) != 0,0,0 ]] || die "the top edge of the window at (30, 5) is cut away too"
# Старт at (37, 266), 120 × 29: the outline in the middle of its top and left edges.
for edge in "97 266" "37 280"; do
  read -r ex ey <<< "$edge"
  [[ $(pixel "$ex" "$ey") == 113,111,100 ]] || die "no button outline at ($ex, $ey): $(pixel "$ex" "$ey")"
done

play_game "$main" || die "the game could not be played through"
expected_results > "$work/expected.tvl"
cmp -s "$work/expected.tvl" "$work/play/results.tvl" ||
  die "results.tvl is not the expected table: $(iconv -f CP1251 -t UTF-8 "$work/play/results.tvl" | tr '\r\n' ' ')"

# The review of the game just played: Ctrl+R in the main window opens it
# under its title, and Escape closes it.
xdotool windowfocus --sync "$main" key ctrl+r || die "Ctrl+R could not be pressed in the main window"
review=$(find_window "Разбор партии") || die "Ctrl+R did not open the review after the game"
xdotool windowfocus --sync "$review" key Escape || die "Escape could not be pressed in the review"
wait_gone "$review" || die "Escape did not close the review"

click "$main" "$MAIN_EXIT"
status=0
wait "$game_pid" || status=$?
[[ $status -eq 0 ]] || die "the game ended with status $status after Выход"
echo "the game was played through in real windows; results.tvl holds the new record"
