# shellcheck shell=bash disable=SC2034,SC2154  # sourced: $work is the caller's, $review is for it
# Shared by the look-up test, its measurement and the screen reader's walk
# (sourced after x_session.sh, bash, on a session bus of their own): a game
# whose review lists КОЛ and ЛЕД,
# with the side files that spell ЛЕД with ё and gloss it, and a browser of the
# test's own: an xdg-open earlier in PATH that writes the moment it started
# and the address it was given, a line each time, into $work/opened.

# start_lookup_game GAME SOURCE_DIR: starts the game with screen readers
# served, ends a game at once and opens its review; sets $review.
start_lookup_game() {
  make_game_folder "$work/play" "$2"
  # Its words ПРОГРАММА, МАМА, РОГ become ЛЕДОКОЛЬНЫЙ, ЛЕД, КОЛ.
  iconv -f CP1251 -t UTF-8 "$work/play/wmbase.txt" | sed 's/^П.*/ЛЕДОКОЛЬНЫЙ\r/; s/^М.*/ЛЕД\r/; s/^Р.*/КОЛ\r/' |
    iconv -f UTF-8 -t CP1251 > "$work/base" && mv "$work/base" "$work/play/wmbase.txt"
  printf 'лёд\n' > "$work/play/wmyo.txt"
  printf 'ЛЕД\tice (геогр.)\n' > "$work/play/wmgloss.txt"
  mkdir -p "$work/bin" && : > "$work/opened"
  cat > "$work/bin/xdg-open" << EOF
#!/bin/bash
printf '%s %s\n' "\$EPOCHREALTIME" "\$1" >> '$work/opened'
EOF
  chmod +x "$work/bin/xdg-open"
  # Qt opens a web address with the first xdg-open on PATH, unless it runs
  # in a sandbox (Snap, Flatpak), where it asks the desktop portal instead.
  (cd "$work/play" && PATH="$work/bin:$PATH" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec env -u SNAP timeout 120 "$1") \
    > "$work/game.log" 2>&1 &
  x_pids+=($!)
  local main
  main=$(find_window "$MAIN_TITLE") || return 1
  { click "$main" "$MAIN_START" && click "$main" "$MAIN_END"; } || return 1
  find_window "$STATS_TITLE" > /dev/null || return 1
  # The keyboard is Russian alone: the key of R sends К with Ctrl.
  xdotool windowfocus --sync "$main" key ctrl+Cyrillic_ka || return 1
  review=$(find_window "Разбор партии")
}

# wait_opened N: waits up to ten seconds for the browser's Nth start.
wait_opened() {
  for _ in {1..100}; do
    (($(wc -l < "$work/opened") >= $1)) && return 0
    sleep 0.1
  done
  return 1
}

# row_centre GAME NAME: "X Y" on the screen of the review's row read as NAME.
row_centre() {
  timeout 40 /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi_find.py" "$(basename "$1")" "list item" "$2" 2> /dev/null
}
