#!/usr/bin/env bash
# The game under a real window manager (openbox), which decides which window
# is active and which is minimised: the main window comes up with the keyboard
# and a move is made from the keyboard alone; the small blue button minimises
# the window, and restored it is shaped and placed as before; a statistics
# window closed through the manager hands the keyboard back to the entry
# field; Ctrl+Q, pressed on the Russian layout, ends the game.
#
# Usage: window_manager_e2e.sh GAME SOURCE_DIR
set -euo pipefail

game=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/x_session.sh
source "$here/x_session.sh"

open_work_folder

# retry COMMAND...: runs the check up to ten seconds until it succeeds.
retry() {
  local tries
  for ((tries = 0; tries < 100; tries++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

active_is() { [[ $(xdotool getactivewindow 2> /dev/null) == "$1" ]]; }
state_is() { xprop -id "$1" WM_STATE 2> /dev/null | grep -q "window state: $2"; }
# A fingerprint of a rectangle "W H X Y" of the main window on the screen.
area() {
  local w h x y
  read -r w h x y <<< "$1"
  import -window root -crop "${w}x${h}+$((X + x))+$((Y + y))" rgb:- | md5sum
}
changes_from() { [[ $(area "$1") != "$2" ]]; }

start_x 100 || die "no X server"
# The manager's own settings from a folder of this test: Alt+F4 closes the
# active window, as in its defaults.
HOME=$work XDG_CONFIG_HOME=$work/config openbox --sm-disable > "$work/openbox.log" 2>&1 &
x_pids+=($!)
retry xprop -root _NET_SUPPORTING_WM_CHECK > /dev/null || die "openbox did not start"

make_game_folder "$work/play" "$source_dir"
(cd "$work/play" && exec timeout 90 "$game") > "$work/game.log" 2>&1 &
game_pid=$!
x_pids+=("$game_pid")
main=$(find_window "$MAIN_TITLE") || die "the main window did not appear"
retry active_is "$main" || die "the main window did not come up active"
eval "$(xdotool getwindowgeometry --shell "$main")"
placed="$X $Y $WIDTH $HEIGHT"

# Keyboard alone: F2 starts, the typed word goes into the entry field, and the
# computer answers it (its letter total, 43 × 29 at (308, 238), changes).
computer_total="43 29 308 238"
before=$(area "$computer_total")
xdotool key F2
sleep 0.3
xdotool type --delay 20 "мама"
xdotool key Return
retry changes_from "$computer_total" "$before" || die "a move typed from the keyboard alone was not answered"

# The small blue button minimises; the manager restores the same window.
click "$main" "413 5"
retry state_is "$main" Iconic || die "the minimise button did not minimise the window"
xdotool windowactivate --sync "$main"
retry state_is "$main" Normal || die "the window could not be restored"
eval "$(xdotool getwindowgeometry --shell "$main")"
[[ "$X $Y $WIDTH $HEIGHT" == "$placed" ]] || die "restored at $X $Y $WIDTH × $HEIGHT, not $placed"
xwd -root -silent -out "$work/screen.xwd"
for point in "1 1" "443 347" "17 150"; do
  read -r px py <<< "$point"
  colour=$(python3 "$here/xwd_pixels.py" "$work/screen.xwd" "$((X + px)),$((Y + py))" | cut -d' ' -f2)
  expected=0,0,0
  [[ $point == "17 150" ]] && expected=255,192,128
  [[ $colour == "$expected" ]] || die "restored window at ($px, $py) is $colour, not $expected"
done

# The statistics window takes the keyboard; closed by the manager, it hands
# the keyboard back to the entry field.
click "$main" "$MAIN_END"
stats=$(find_window "$STATS_TITLE") || die "the statistics window did not open"
retry active_is "$stats" || die "the statistics window did not become active"
xdotool key alt+F4
wait_gone "$stats" || die "Alt+F4 did not close the statistics window"
retry active_is "$main" || die "the main window was not active again"
# РОГ, the computer's word, typed into the entry field and sent with Enter,
# is refused in a message box: proof that the keys reached the field.
xdotool type --delay 20 "рог"
xdotool key Return
refusal=$(find_window "$MAIN_TITLE" "$main") || die "typing after the statistics closed did not reach the entry field"
xdotool key Return
wait_gone "$refusal" || die "Enter did not close the message box"
retry active_is "$main" || die "the main window was not active after the message box"

# The keyboard is set to Russian alone: the key of Q sends Й with Ctrl.
xdotool key ctrl+Cyrillic_shorti
status=0
wait "$game_pid" || status=$?
[[ $status -eq 0 ]] || die "the game ended with status $status after Ctrl+Q"
echo "under openbox: keyboard, minimise and restore, and the keyboard's return all as a player expects"
