#!/usr/bin/env bash
# The time from a double click on a word of the review to the start of the
# program that opens its article, on the optimised game in real windows under
# Xvfb. The browser is the look-up test's recorder, an xdg-open earlier in
# PATH, which writes the moment it started. The pointer rests on КОЛ and
# double-clicks it CLICKS times, 0.6 s apart. Each time runs from the moment
# xdotool is started to send the second press (so it counts xdotool's own
# start too) to the recorder's first command, which counts the start of bash.
# The game serves screen readers, as the review's rows are found through them.
#
# Usage: bench/measure_lookup.sh [CLICKS]   (default 20)
set -euo pipefail

if [[ -z ${TORVEL_E2E_SESSION_BUS-} ]]; then
  TORVEL_E2E_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi

# shellcheck source=bench/real_windows.sh
source "$(dirname "$0")/real_windows.sh"
clicks=${1:-20}
build_release_game torvel-game
# shellcheck source=tests/e2e/lookup_session.sh
source tests/e2e/lookup_session.sh
open_work_folder
start_x $((clicks + 100))
start_lookup_game "$game" "$source_dir" || die "the review of a game did not open"
read -r x y < <(row_centre "$game" "КОЛ, не найдено") || die "КОЛ is not in the review's list"
xdotool mousemove --sync "$x" "$y"

: > "$work/times"
for ((click = 1; click <= clicks; click++)); do
  sleep 0.6
  xdotool click 1
  at=$EPOCHREALTIME
  xdotool click 1
  wait_opened "$click" || die "double click $click opened nothing"
  started=$(tail -n 1 "$work/opened" | cut -d' ' -f1)
  awk -v at="$at" -v started="$started" 'BEGIN { printf "%.1f\n", (started - at) * 1000 }' >> "$work/times"
done

times() { cat "$work/times"; }
cat << EOF

| Figure | Value |
|---|---|
| second press of the double click to the browser's start, median of $clicks | $(times | median) ms |
| fastest, slowest | $(times | sort -n | head -n 1) ms, $(times | sort -n | tail -n 1) ms |
EOF
