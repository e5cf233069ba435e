#!/usr/bin/env bash
# The player's history and the unfinished game in real windows under Xvfb: a
# move is made and the game is killed (SIGKILL); started again, the game asks
# «Продолжить прошлую партию?», Enter answers Да and the window shows the game
# exactly as it was. Ended, the game goes into history.txt and the saved game
# is gone. Ctrl+I, pressed in the statistics window that the end opened, opens
# "История игр", whose chart shows a win, a loss and a draw in their three
# colours (checked on a screenshot). Given SCREENSHOT, that window is saved
# there as a PNG.
#
# Usage: history_e2e.sh GAME SOURCE_DIR [SCREENSHOT]
set -euo pipefail

game=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
screenshot=${3-}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/x_session.sh
source "$here/x_session.sh"

open_work_folder
start_x 100 || die "no X server"
play=$work/play
make_game_folder "$play" "$source_dir"
# Thirty games before this one, as a player's evening might give them: first a
# win, a loss and a draw, whose bars the check below finds; the first win's 300
# points are the top of the chart's scale. The screenshot shows this history.
{
  echo "torvel-history 1"
  printf '2026-05-04 18:00:00\tПРОГРАММА\t%s\n' "победа	300	20	10	4	4	5	ПАРОМ"
  printf '2026-05-04 18:01:00\tПРОГРАММА\t%s\n' "поражение	119	8	20	2	4	4	ГРАММ"
  printf '2026-05-04 18:02:00\tПРОГРАММА\t%s\n' "ничья	60	9	9	3	3	3	РАМА"
  verdicts=(победа поражение победа победа ничья поражение победа)
  for ((n = 3; n < 30; n++)); do
    verdict=${verdicts[n % 7]}
    case $verdict in
      победа) points=$((150 + n * 37 % 140)) totals="16	12	3	3	5" ;;
      поражение) points=$((20 + n * 53 % 90)) totals="12	16	3	3	4" ;;
      *) points=$((60 + n * 29 % 40)) totals="14	14	3	3	5" ;;
    esac
    printf '2026-05-04 %02d:%02d:00\tПРОГРАММА\t%s\n' $((18 + n / 10)) $((n % 10 * 6)) \
      "$verdict	$points	$totals	ГАММА"
  done
} > "$play/history.txt"

# titled_window SIZE IS: the visible window titled as the main one whose size is
# (IS=1) or is not (IS=0) SIZE: the main window, 445x349, or the question.
titled_window() {
  local tries id same
  for ((tries = 0; tries < 100; tries++)); do
    for id in $(xdotool search --onlyvisible --name "^${MAIN_TITLE}\$" 2> /dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$id")"
      same=0
      [[ ${WIDTH}x$HEIGHT == "$1" ]] && same=1
      if ((same == $2)); then
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  return 1
}

# start_game: the game in $play.
start_game() {
  (cd "$play" && exec timeout 80 "$game") >> "$work/game.log" 2>&1 &
  game_pid=$!
  x_pids+=("$game_pid")
}

# The game's letters, lists, totals and the computer's word, all of the main
# window but the entry field, whose cursor blinks.
game_look() {
  local area
  eval "$(xdotool getwindowgeometry --shell "$main")"
  for area in "445x56+0+0" "265x28+180+56" "445x265+0+84"; do
    IFS='x+' read -r w h x y <<< "$area"
    import -window root -crop "${w}x${h}+$((X + x))+$((Y + y))" rgb:- | md5sum
  done
}

start_game
main=$(titled_window 445x349 1) || die "the main window did not appear"
xdotool mousemove --sync 1000 740
xdotool windowfocus --sync "$main" key F2
sleep 0.3
type_into "$main" "мама"
xdotool key Return
for ((tries = 0; tries < 50; tries++)); do
  grep -q "^player	МАМА$" "$play/saved-game.txt" 2> /dev/null && break
  sleep 0.1
done
grep -q "^player	МАМА$" "$play/saved-game.txt" || die "the move was not saved"
sleep 0.3
before=$(game_look)
kill -KILL "$game_pid"
wait "$game_pid" 2> /dev/null || true

start_game
question=$(titled_window 445x349 0) || die "no question about the unfinished game appeared"
main=$(titled_window 445x349 1) || die "the main window did not appear"
xdotool windowfocus --sync "$question" key Return
wait_gone "$question" || die "Enter did not answer the question"
xdotool mousemove --sync 1000 741
sleep 0.3
[[ $(game_look) == "$before" ]] || die "the game resumed does not look as it did before the kill"

click "$main" "$MAIN_END"
stats=$(find_window "$STATS_TITLE") || die "the statistics window did not open"
[[ ! -e $play/saved-game.txt ]] || die "the saved game is still there after the end"
last=$(tail -n 1 "$play/history.txt" | cut -f 2-)
[[ $last == "ПРОГРАММА	победа	194	4	3	1	1	4	МАМА" ]] || die "the game went into the history as: $last"

# Ctrl+I in the statistics window, on the Russian layout: the key of I sends Ш.
xdotool windowfocus --sync "$stats" key ctrl+Cyrillic_sha
history=$(find_window "История игр") || die "Ctrl+I in the statistics window did not open the history"
eval "$(xdotool getwindowgeometry --shell "$history")"
# The bars of the three oldest games shown stand on the zero line at row 329,
# at columns 48-50, 52-55 and 57-60, and the shortest, the draw's, reaches up
# past row 315, an even number of rows from zero, where the draw's stripes are
# filled; column 51 is the gap between the first two, 52 the loss's outline.
expected=("49 0,128,0" "52 192,0,0" "58 102,102,102" "51 255,224,192")
for ((tries = 0; tries < 50; tries++)); do
  xwd -root -silent -out "$work/screen.xwd"
  seen=()
  for point in "${expected[@]}"; do
    column=${point%% *}
    seen+=("$column $(python3 "$here/xwd_pixels.py" "$work/screen.xwd" "$((X + column)),$((Y + 315))" | cut -d' ' -f2)")
  done
  [[ ${seen[*]} == "${expected[*]}" ]] && break
  sleep 0.1
done
[[ ${seen[*]} == "${expected[*]}" ]] || die "the chart's bars are ${seen[*]}, not ${expected[*]}"

if [[ -n $screenshot ]]; then
  mkdir -p "$(dirname "$screenshot")"
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$screenshot" ||
    die "the screenshot could not be written to $screenshot"
fi
xdotool windowfocus --sync "$history" key Escape
wait_gone "$history" || die "Escape did not close the history"
echo "a killed game came back as it was, went into the history, and the chart shows its colours"
