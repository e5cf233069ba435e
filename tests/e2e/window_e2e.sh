#!/usr/bin/env bash
# The built game in real windows under Xvfb, played with xdotool as a player
# would: the main window is shaped and painted (checked on a screenshot), a
# game is won, the new record is entered under a typed name, the table is
# opened again from the main window while it shows the record, and results.tvl
# holds the expected table when the best-results window closes; the review of
# the game opens with Ctrl+R, a screen reader reads its words, and it closes
# with Escape. Exit through "Выход" ends
# the process. Given SCREENSHOT, a new game in progress is saved there as a
# PNG of the main window. A screen reader's view comes first: "Старт" is found
# by its name through AT-SPI and pressed, and the source word is heard
# announced.
#
# Usage: window_e2e.sh GAME SOURCE_DIR [SCREENSHOT]
set -euo pipefail

# A session bus of the test's own, on which the accessibility bus starts when
# the game asks for it; both end with the test.
if [[ -z ${TORVEL_E2E_SESSION_BUS-} ]]; then
  TORVEL_E2E_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi

game=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
screenshot=${3-}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/x_session.sh
source "$here/x_session.sh"

open_work_folder

start_x 100 || die "no X server"
make_game_folder "$work/play" "$source_dir"
(cd "$work/play" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec timeout 90 "$game") > "$work/game.log" 2>&1 &
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

# A screen reader finds "Старт" by its name and presses it; the source word's
# label announces its new name.
# Debian's own Python, which has the AT-SPI bindings.
timeout 40 /usr/bin/python3 "$here/atspi_press.py" "$(basename "$game")" "Старт" "Исходное слово: ПРОГРАММА" ||
  die "Старт could not be pressed through AT-SPI"

# Ctrl+H with the new record on show saves it before reading the table again.
expected_results > "$work/expected.tvl"
open_records_again() {
  local tries
  xdotool windowfocus --sync "$main" key ctrl+Cyrillic_er || return 1
  for ((tries = 0; tries < 50; tries++)); do
    cmp -s "$work/expected.tvl" "$work/play/results.tvl" && return 0
    sleep 0.1
  done
  return 1
}
play_game "$main" open_records_again ||
  die "the game could not be played through, or Ctrl+H with the new record on show did not save it"
cmp -s "$work/expected.tvl" "$work/play/results.tvl" ||
  die "results.tvl is not the expected table: $(iconv -f CP1251 -t UTF-8 "$work/play/results.tvl" | tr '\r\n' ' ')"

# The review of the game just played: Ctrl+R in the main window opens it
# under its title, and Escape closes it.
# The keyboard is set to Russian alone, so the key of R sends К with Ctrl.
xdotool windowfocus --sync "$main" key ctrl+Cyrillic_ka || die "Ctrl+R could not be pressed in the main window"
review=$(find_window "Разбор партии") || die "Ctrl+R did not open the review after the game"
# A screen reader reads the words of the list, each with who found it.
timeout 40 /usr/bin/python3 "$here/atspi_find.py" "$(basename "$game")" "list item" \
  "МАМА, нашли вы" "РОГ, сыграл компьютер" ||
  die "the review's words could not be read through AT-SPI"
xdotool windowfocus --sync "$review" key Escape || die "Escape could not be pressed in the review"
wait_gone "$review" || die "Escape did not close the review"

# The screenshot for software centres: a new game in which the computer has
# answered the player's МАМА with РОГ, no button hovered, and the window's
# cut-away corners (the black root around it) transparent.
if [[ -n $screenshot ]]; then
  # The computer's letter total, 43 × 29 at (308, 238), is 0 until it answers.
  answer() { import -window root -crop "43x29+$((X + 308))+$((Y + 238))" rgb:- | md5sum; }
  { click "$main" "$MAIN_START" && click "$main" "$MAIN_ENTRY" && type_into "$main" "мама"; } ||
    die "the game for the screenshot could not be started"
  empty=$(answer)
  xdotool key Return
  for ((tries = 0; tries < 50; tries++)); do
    [[ $(answer) != "$empty" ]] && break
    sleep 0.1
  done
  [[ $(answer) != "$empty" ]] || die "the computer did not answer in the game for the screenshot"
  xdotool mousemove --sync 1000 740
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$work/game.png"
  mkdir -p "$(dirname "$screenshot")"
  corners=()
  for corner in "0,0" "$((WIDTH - 1)),0" "0,$((HEIGHT - 1))" "$((WIDTH - 1)),$((HEIGHT - 1))"; do
    corners+=(-draw "matte $corner floodfill")
  done
  convert "$work/game.png" -alpha set -fill none "${corners[@]}" "$screenshot" ||
    die "the screenshot could not be written to $screenshot"
fi

click "$main" "$MAIN_EXIT"
status=0
wait "$game_pid" || status=$?
[[ $status -eq 0 ]] || die "the game ended with status $status after Выход"
echo "the game was played through in real windows; results.tvl holds the new record"
