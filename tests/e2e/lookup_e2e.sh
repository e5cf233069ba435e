#!/usr/bin/env bash
# The look-up of a word in the review, in real windows under Xvfb: Enter on
# ЛЕД and a double click on КОЛ give the desktop's browser, a recorder
# (lookup_session.sh), the articles on лёд, with its ё, and кол.
#
# Usage: lookup_e2e.sh GAME SOURCE_DIR
set -euo pipefail

if [[ -z ${TORVEL_E2E_SESSION_BUS-} ]]; then
  TORVEL_E2E_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi

game=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/x_session.sh
source "$here/x_session.sh"
# shellcheck source=tests/e2e/lookup_session.sh
source "$here/lookup_session.sh"

open_work_folder
start_x 100 || die "no X server"
start_lookup_game "$game" "$(readlink -f "$2")" || die "the review of a game did not open"

# The list has the keyboard on its first word, КОЛ, under the caption "3 буквы"; ЛЕД follows.
xdotool windowfocus --sync "$review" key Down Return
wait_opened 1 || die "Enter on ЛЕД opened nothing"
read -r x y < <(row_centre "$game" "КОЛ, не найдено") || die "КОЛ is not in the review's list"
xdotool mousemove --sync "$x" "$y" click --repeat 2 --delay 80 1
wait_opened 2 || die "a double click on КОЛ opened nothing"

articles=https://ru.wiktionary.org/wiki/
opened=$(cut -d' ' -f2 "$work/opened" | tr '\n' ' ')
[[ $opened == "${articles}%D0%BB%D1%91%D0%B4 ${articles}%D0%BA%D0%BE%D0%BB " ]] ||
  die "the browser was given $opened, not the articles on лёд and кол"
echo "Enter and a double click in the review opened the articles on ЛЕД and КОЛ"
