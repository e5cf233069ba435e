# shellcheck shell=bash disable=SC2034  # sourced; its constants are used by the sourcing scripts
# Shared by the real-window test and the whole-program measurements (sourced,
# bash): a private X server, a folder with a crafted word base and table of
# best results, and a player's moves through the three windows with xdotool.
#
# Window positions are those of the windows' layouts, in pixels of the client
# area (twips / 15). There is no window manager, so every window's client area
# is the X window itself.

# Centres of the buttons a player clicks, "x y" within their window.
readonly MAIN_START="97 280"       # Старт
readonly MAIN_ENTRY="102 67"       # the entry field
readonly MAIN_END="172 95"         # Закончить игру
readonly MAIN_EXIT="347 280"       # Выход
readonly STATS_NEXT="154 200"      # Далее
readonly RECORDS_OK="151 319"      # OK of the best results
readonly MAIN_TITLE="Торвель"
readonly STATS_TITLE="Статистика игры"
readonly RECORDS_TITLE="Лучшие результаты"

x_pids=()

# start_x SECONDS: a private Xvfb on a free display (it picks the number
# itself) that ends by itself after SECONDS, with a black root so that the
# cut-away parts of a window are easy to tell.
start_x() {
  local ready
  ready=$(mktemp)
  timeout "$1" Xvfb -displayfd 3 -screen 0 1024x768x24 -br -nolisten tcp -noreset 3> "$ready" 2> /dev/null &
  x_pids+=($!)
  local waited=0
  until [[ -s $ready ]]; do
    sleep 0.05
    waited=$((waited + 1))
    if ((waited > 200)); then
      echo "Xvfb did not start" >&2
      return 1
    fi
  done
  DISPLAY=:$(head -n 1 "$ready")
  # Test runs may ask Qt for its offscreen platform; these windows are real.
  QT_QPA_PLATFORM=xcb
  export DISPLAY QT_QPA_PLATFORM
  rm -f "$ready"
  # A Russian keyboard holds every letter typed, so xdotool types them with
  # their own keys. Letters missing from the keyboard are typed by remapping
  # a spare key for a moment, and a game slow to read its input then sees
  # the key after it was mapped back.
  setxkbmap ru || {
    echo "the Russian keyboard layout could not be set" >&2
    return 1
  }
}

# stop_x: ends the processes started on this X server, and the server last.
stop_x() {
  local i
  for ((i = ${#x_pids[@]} - 1; i >= 0; i--)); do
    kill "${x_pids[i]}" 2> /dev/null || true
  done
  for pid in "${x_pids[@]}"; do
    wait "$pid" 2> /dev/null || true
  done
  x_pids=()
}

# open_work_folder: a scratch folder, $work, removed together with the X
# server when the script ends, however it ends.
open_work_folder() {
  work=$(mktemp -d)
  trap 'stop_x; rm -rf "$work"' EXIT
  trap 'exit 1' TERM INT
}

# die PROBLEM: names it, with what the game said, and ends the script.
die() {
  echo "FAIL: $*" >&2
  [[ -s $work/game.log ]] && { echo "--- game output:"; cat "$work/game.log"; } >&2
  exit 1
}

# make_game_folder DIR SOURCE_DIR: the game's files with a word base in which
# every line that can be drawn is ПРОГРАММА, the player's word МАМА stands on
# line 100 and the computer's only answer РОГ on line 11030, after any start
# line of its scan. So a game of МАМА against РОГ is won 4 to 3:
# 100 + 4 + 10 × 1 + 20 × 4 = 194 points, which enter row 4 of the table.
make_game_folder() {
  local folder=$1 source=$2 line
  mkdir -p "$folder/resources"
  cp "$source/assets/fontvl.gif" "$folder/"
  cp "$source/assets/resources/over.wav" "$source/assets/resources/click.wav" "$folder/resources/"
  for ((line = 1; line <= 11031; line++)); do
    case $line in
      100) printf 'МАМА\r\n' ;;
      11030) printf 'РОГ\r\n' ;;
      *) printf 'ПРОГРАММА\r\n' ;;
    esac
  done | iconv -f UTF-8 -t CP1251 > "$folder/wmbase.txt"
  printf '%s\r\n' Первый Второй Третий Четвёртый Пятый Шестой Седьмой Восьмой Девятый Десятый \
    500 400 300 200 150 100 50 40 30 20 | iconv -f UTF-8 -t CP1251 > "$folder/results.tvl"
}

# The table expected after the game above, entered under the name Игрок.
expected_results() {
  printf '%s\r\n' Первый Второй Третий Четвёртый Игрок Пятый Шестой Седьмой Восьмой Девятый \
    500 400 300 200 194 150 100 50 40 30 | iconv -f UTF-8 -t CP1251
}

# find_window TITLE [OTHER_THAN]: the id of the visible window with that
# exact title (and not OTHER_THAN), waiting up to ten seconds for it.
find_window() {
  local title=$1 other=${2-} tries id
  for ((tries = 0; tries < 100; tries++)); do
    for id in $(xdotool search --onlyvisible --name "^${title}\$" 2> /dev/null); do
      if [[ $id != "$other" ]]; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  echo "no window '$title' appeared" >&2
  return 1
}

# wait_gone WINDOW: waits up to ten seconds for the window to be unmapped.
wait_gone() {
  local tries
  for ((tries = 0; tries < 100; tries++)); do
    xdotool search --onlyvisible --name '.*' 2> /dev/null | grep -qx "$1" || return 0
    sleep 0.1
  done
  echo "window $1 did not close" >&2
  return 1
}

# click WINDOW "X Y": a left click at a point of the window, as a player would.
click() {
  local x y
  read -r x y <<< "$2"
  xdotool mousemove --sync --window "$1" "$x" "$y" click 1
}

# type_into WINDOW TEXT: gives the window the keyboard and types the text.
type_into() {
  xdotool windowfocus --sync "$1"
  xdotool type --delay 20 "$2"
}

# play_game MAIN: one game through the three windows: start, play МАМА,
# end, enter the name Игрок for the new record, close the best results.
# Stops at the first step that fails and names it. A second argument is a
# command run before the best results are closed.
play_game() {
  local main=$1 stats dialog records
  click "$main" "$MAIN_START" || return 1
  click "$main" "$MAIN_ENTRY" || return 1  # a clicked button took the focus
  type_into "$main" "мама" || return 1
  xdotool key Return || return 1
  click "$main" "$MAIN_END" || return 1
  stats=$(find_window "$STATS_TITLE") || return 1
  click "$stats" "$STATS_NEXT" || return 1
  dialog=$(find_window "$MAIN_TITLE" "$main") || return 1
  type_into "$dialog" "Игрок" || return 1
  xdotool key Return || return 1
  records=$(find_window "$RECORDS_TITLE") || return 1
  if [[ -n ${2-} ]]; then "$2" || return 1; fi
  click "$records" "$RECORDS_OK" || return 1
  wait_gone "$records"
}
