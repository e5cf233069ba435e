#!/usr/bin/env bash
# What a screen reader meets in real windows under Xvfb, read through AT-SPI:
# the review and the history are dialogs that describe their figures, and the
# chart takes the keyboard; the entry's description tells the game; its context
# menu (Shift+F10) looks up both sides' last words; after a look-up from a word
# list the keyboard is back in the entry. Usage: access_e2e.sh GAME SOURCE_DIR
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
check() { timeout 40 /usr/bin/python3 "$here/atspi_check.py" "$@"; }
reads() { check "$(basename "$game")" "$@"; }

open_work_folder
start_x 100 || die "no X server"
start_lookup_game "$game" "$(readlink -f "$2")" || die "the review of a game did not open"
reads dialog "Разбор партии" description \
  "Исходное слово: ЛЕДОКОЛЬНЫЙ. Вы нашли 0 из 2 слов, компьютер — 0, не найдено — 2. 3 буквы: 0 из 2." ||
  die "the review is not a dialog that tells its figures"
xdotool key ctrl+Cyrillic_sha
reads dialog "История игр" description "Сыграно партий: 1. Побед: 0 (0 %), ничьих: 1, поражений: 0. \
Лучший результат: 0 очков, в среднем: 0. Самое длинное слово: пока нет. Средняя длина слова: 0." ||
  die "the history is not a dialog that tells its figures"
xdotool key Tab
reads label "Сыграно партий: 1" focused true || die "Tab from «Закрыть» does not reach the history's figures"
reads chart "График очков" focusable true || die "the chart cannot take the keyboard"

# The statistics of the game ended, moved off the main window as a player would.
xdotool windowmove "$(find_window "$STATS_TITLE")" 0 450
main=$(find_window "$MAIN_TITLE")
xdotool windowfocus --sync "$main" key F2
type_into "$main" "лед" && xdotool key Return
reads text "Ваше слово" description \
  "Исходное слово: ЛЕДОКОЛЬНЫЙ. Ваша сумма букв: 3, компьютера: 3. Слово компьютера: КОЛ." ||
  die "the entry's description does not tell the game after the move"
items=$(check menu shift+F10 Down) || die "the entry's menu could not be read"
[[ $items == "Что значит «КОЛ»?"$'\n'"Что значит «ЛЕД»?"$'\n'* ]] || die "the entry's menu begins: $items"
xdotool key Return
wait_opened 1 || die "the look-up of КОЛ from the entry's menu opened nothing"
# A right click on ЛЕД, the first line of the player's list, gives the list
# the keyboard, and the look-up gives it back to the entry.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --sync $((X + 45)) $((Y + 120)) click 3 sleep 0.5 key Down Return
wait_opened 2 || die "the look-up of ЛЕД from the player's list opened nothing"
reads text "Ваше слово" focused true || die "after a look-up the keyboard is not back in the entry"
echo "a screen reader hears both windows' figures, the game and the look-ups; the keyboard comes back to the entry"
