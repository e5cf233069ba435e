#!/usr/bin/env bash
# The look-up of a word in the review, in real windows under Xvfb: Enter on
# ЛЕД and a double click on КОЛ hand the addresses of their articles, лёд with
# its ё restored, to the desktop's browser, which is a recorder
# (lookup_session.sh), so nothing goes to the network. The gloss of ЛЕД shows
# under the list, where a screen reader reads it.
#
# Usage: lookup_e2e.sh GAME SOURCE_DIR
set -euo pipefail

# A session bus of the test's own, for the accessibility bus; both end with it.
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
articles=https://ru.wiktionary.org/wiki/

# The list has the keyboard on its first row, the caption "3 буквы"; КОЛ and ЛЕД follow.
xdotool windowfocus --sync "$review" key Down Down Return || die "the keys could not be pressed in the review"
wait_opened 1 || die "Enter on ЛЕД opened nothing"
timeout 40 /usr/bin/python3 "$here/atspi_find.py" "$(basename "$game")" label "ЛЕД — ice (геогр.)" > /dev/null ||
  die "the gloss of ЛЕД is not under the list"

read -r x y < <(timeout 40 /usr/bin/python3 "$here/atspi_find.py" "$(basename "$game")" "list item" "КОЛ, не найдено") ||
  die "КОЛ is not in the review's list"
xdotool mousemove --sync "$x" "$y" click --repeat 2 --delay 80 1
wait_opened 2 || die "a double click on КОЛ opened nothing"

expected="${articles}%D0%BB%D1%91%D0%B4 ${articles}%D0%BA%D0%BE%D0%BB"
opened=$(cut -d' ' -f2 "$work/opened" | tr '\n' ' ')
[[ $opened == "$expected " ]] || die "the browser was given '$opened', not '$expected'"
echo "Enter and a double click in the review opened the articles on ЛЕД and КОЛ"
