#!/usr/bin/env bash
# A random-input soak of the real program under Xvfb: a seeded stream of
# clicks (left, right and middle button, and drags) anywhere on any of the
# game's windows, Russian typing, editing keys and the program's shortcuts,
# on a clipboard that nobody owns. Whenever the game ends normally it is
# started again. The soak fails when the game ends with a non-zero status,
# when a sanitizer reports anything, when results.tvl is no longer a table
# of 20 lines, or when the game cannot be brought to an end at the close.
#
# Usage: soak_e2e.sh GAME SOURCE_DIR
# The seed is printed first; TORVEL_SOAK_SEED=N replays that stream (the
# windows' timing may still differ). TORVEL_SOAK_ACTIONS and
# TORVEL_SOAK_SECONDS bound the stream (1500 actions, 80 seconds).
set -euo pipefail

game=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/x_session.sh
source "$here/x_session.sh"

seed=${TORVEL_SOAK_SEED:-$((($(date +%s%N) / 1000) % 1000000000))}
max_actions=${TORVEL_SOAK_ACTIONS:-1500}
max_seconds=${TORVEL_SOAK_SECONDS:-80}
echo "soak seed $seed (replay with TORVEL_SOAK_SEED=$seed)"
RANDOM=$seed

# Outside ctest the sanitizers are set up as the test presets set them.
: "${ASAN_OPTIONS:=abort_on_error=1}"
: "${UBSAN_OPTIONS:=print_stacktrace=1:halt_on_error=1}"
: "${LSAN_OPTIONS:=suppressions=$source_dir/tests/lsan.supp}"
export ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

open_work_folder

runs=0
actions=0
game_pid=""

die() {
  echo "FAIL (seed $seed, run $runs, action $actions): $*" >&2
  [[ -s $work/game.log ]] && { echo "--- game output:"; tail -n 60 "$work/game.log"; } >&2
  exit 1
}

start_x 150 || die "no X server"
# The shortcuts are Latin letters. On a Russian keyboard alone xdotool would
# type them by remapping a spare key for a moment, and a game slow to read
# its input (the sanitizer build) would see the key after it was mapped back.
setxkbmap -layout ru,us || die "the keyboard layouts could not be set"
make_game_folder "$work/play" "$source_dir"
mkdir "$work/bin" && printf '#!/bin/sh\n' > "$work/bin/xdg-open" && chmod +x "$work/bin/xdg-open"
class=$(sed -n 's/^StartupWMClass=//p' "$source_dir/packaging/torvel.desktop")

# table_problem: what is wrong with results.tvl, nothing when it is a table
# of ten names and ten whole scores, each line ended by CR LF.
table_problem() {
  python3 - "$work/play/results.tvl" << 'EOF'
import re, sys
try:
    data = open(sys.argv[1], "rb").read()
except OSError as error:
    sys.exit(f"results.tvl cannot be read: {error}")
lines = data.split(b"\r\n")
if lines[-1] != b"" or len(lines) != 21 or any(b"\r" in l or b"\n" in l for l in lines):
    sys.exit(f"results.tvl is not 20 lines ended by CR LF: {data[:300]!r}")
if not all(re.fullmatch(rb"-?[0-9]+", score) for score in lines[10:20]):
    sys.exit(f"results.tvl has a score that is not a whole number: {lines[10:20]!r}")
EOF
}

start_game() {
  runs=$((runs + 1))
  # A word looked up opens nothing: the browser is a stand-in.
  (cd "$work/play" && PATH="$work/bin:$PATH" exec "$game") > "$work/game.log" 2>&1 &
  game_pid=$!
  x_pids+=("$game_pid")
  # A loaded machine may take its time to start the sanitizer build.
  local tries
  for ((tries = 0; tries < 3; tries++)); do
    find_window "$MAIN_TITLE" > /dev/null 2>&1 && return 0
    kill -0 "$game_pid" 2> /dev/null || check_ended
  done
  die "the main window did not appear"
}

# check_ended: the game has ended; it must have ended well.
check_ended() {
  local status=0
  wait "$game_pid" || status=$?
  cat "$work/game.log" >> "$work/said.log"
  grep -qE 'Sanitizer|runtime error' "$work/game.log" && die "a sanitizer reported a fault"
  ((status == 0)) || die "the game ended with status $status"
  table_problem || die "results.tvl is broken"
  game_pid=""
}

# The game's visible windows, as "id x y width height" in windows[].
windows=()
list_windows() {
  windows=()
  local line id="" x=0 y=0 w=0
  while IFS='=' read -r key value; do
    case $key in
      WINDOW) id=$value ;;
      X) x=$value ;;
      Y) y=$value ;;
      WIDTH) w=$value ;;
      HEIGHT) windows+=("$id $x $y $w $value") ;;
    esac
  done < <(xdotool search --onlyvisible --class "$class" getwindowgeometry --shell %@ 2> /dev/null || true)
}

# The keys of the stream, as xdotool names them, with their weights.
readonly LETTERS=(a be ve ghe de ie io zhe ze i shorti ka el em en o pe er es te u ef ha tse che sha shcha
  hardsign yeru softsign e yu ya)
readonly WORDS=("em a em a" "er o ghe" "pe er o ghe er a em em a" "er a em a")
readonly SHORTCUTS=(ctrl+v ctrl+v shift+Insert ctrl+a F1 F2 ctrl+n ctrl+h ctrl+q ctrl+r ctrl+i)
readonly EDITING=(Return Return Return Escape Escape Tab space BackSpace BackSpace Delete Home End Up Down)

# One xdotool command at a time: pointer actions first, then keys, since
# xdotool's "key" takes the rest of its command line.
pointer=()
keys=()
flush() {
  if ((${#pointer[@]} + ${#keys[@]})); then
    local command=("${pointer[@]}")
    ((${#keys[@]})) && command+=(key --delay 3 "${keys[@]}")
    # A window may close under the stream; xdotool then stops with an error.
    xdotool "${command[@]}" > /dev/null 2>&1 || true
  fi
  pointer=()
  keys=()
}

# point: a random point of a random window of the game, within the screen.
point() {
  local id x y w h
  read -r id x y w h <<< "${windows[RANDOM % ${#windows[@]}]}"
  px=$((x + RANDOM % w))
  py=$((y + RANDOM % h))
  ((px < 0)) && px=0
  ((px > 1023)) && px=1023
  ((py < 0)) && py=0
  ((py > 767)) && py=767
  return 0
}

# add_action: one random action onto the command being built.
add_action() {
  local roll=$((RANDOM % 100)) i n
  if ((roll < 40)); then
    ((${#keys[@]})) && flush
    point
    # xdotool's "click" waits 100 ms after each click; a press and a
    # release do not.
    if ((roll < 30)); then
      pointer+=(mousemove "$px" "$py" mousedown 1 mouseup 1)
    elif ((roll < 36)); then
      pointer+=(mousemove "$px" "$py" mousedown 3 mouseup 3)
    elif ((roll < 38)); then
      pointer+=(mousemove "$px" "$py" mousedown 2 mouseup 2)
    else
      pointer+=(mousemove "$px" "$py" mousedown 1)
      point
      pointer+=(mousemove "$px" "$py" mouseup 1)
    fi
  elif ((roll < 62)); then
    n=$((1 + RANDOM % 5))
    for ((i = 0; i < n; i++)); do keys+=("Cyrillic_${LETTERS[RANDOM % ${#LETTERS[@]}]}"); done
  elif ((roll < 67)); then
    for i in ${WORDS[RANDOM % ${#WORDS[@]}]}; do keys+=("Cyrillic_$i"); done
  elif ((roll < 90)); then
    keys+=("${EDITING[RANDOM % ${#EDITING[@]}]}")
  else
    keys+=("${SHORTCUTS[RANDOM % ${#SHORTCUTS[@]}]}")
  fi
}

readonly BATCH=20
started=$SECONDS
start_game
windowless_since=""
while ((actions < max_actions && SECONDS - started < max_seconds)); do
  if ! kill -0 "$game_pid" 2> /dev/null; then
    check_ended
    start_game
  fi
  list_windows
  if ((${#windows[@]} == 0)); then
    # Between the last window's closing and the end of the process, where
    # the leak check of the sanitizer build takes its time.
    windowless_since=${windowless_since:-$SECONDS}
    ((SECONDS - windowless_since < 20)) ||
      die "the game kept running without a window; its hidden ones: $(xdotool search --class "$class" 2> /dev/null | tr '\n' ' ')"
    sleep 0.1
    continue
  fi
  windowless_since=""
  for ((b = 0; b < BATCH && actions < max_actions; b++)); do
    add_action
    actions=$((actions + 1))
  done
  flush
  # Lets a slow game keep up with the stream, so that the next batch finds
  # the windows it opened.
  sleep 0.25
  if ((actions % (BATCH * 10) == 0)); then
    table_problem || die "results.tvl is broken"
  fi
done
stream_seconds=$((SECONDS - started))

# The close: every window is answered as a player would until the game ends.
# The windows the stream dragged about are put back where their buttons can
# be reached first.
# act WINDOW "X Y": a left click at a point of the window.
act() {
  local x y
  read -r x y <<< "$2"
  xdotool mousemove --window "$1" "$x" "$y" mousedown 1 mouseup 1 > /dev/null 2>&1 || true
}
readonly MAIN_SIZE="445 349"
for ((tries = 0; tries < 60; tries++)); do
  kill -0 "$game_pid" 2> /dev/null || break
  list_windows
  for entry in "${windows[@]}"; do
    read -r id x y w h <<< "$entry"
    name=$(xdotool getwindowname "$id" 2> /dev/null) || continue
    case $name in
      "$MAIN_TITLE")
        if [[ "$w $h" == "$MAIN_SIZE" ]]; then
          xdotool windowmove "$id" 0 0 > /dev/null 2>&1 || true
          act "$id" "$MAIN_EXIT"
        else
          xdotool windowfocus "$id" key Return > /dev/null 2>&1 || true
        fi
        ;;
      "$STATS_TITLE")
        xdotool windowmove "$id" 450 0 > /dev/null 2>&1 || true
        act "$id" "$STATS_NEXT"
        ;;
      "$RECORDS_TITLE")
        xdotool windowmove "$id" 450 300 > /dev/null 2>&1 || true
        act "$id" "$RECORDS_OK"
        ;;
      *) xdotool windowfocus "$id" key Escape > /dev/null 2>&1 || true ;;
    esac
  done
  sleep 0.25
done
if kill -0 "$game_pid" 2> /dev/null; then
  list_windows
  die "the game could not be brought to an end; windows left: ${windows[*]}"
fi
check_ended

# Whatever else the game said on the way, for the reader of the test's log.
if [[ -s $work/said.log ]]; then
  echo "the game's output over all runs (count, line):"
  sort "$work/said.log" | uniq -c | sort -rn | head -n 20
fi
echo "soak passed: $actions actions in $stream_seconds s over $runs runs of the game"
