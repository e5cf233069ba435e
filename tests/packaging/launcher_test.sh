#!/usr/bin/env bash
# Runs the installed launcher torvel from a fake tree whose game program
# only records what it saw (fake_game.sh), so that the player's folder can be
# checked without a display: seeding, keeping the player's best results,
# following a newer installed file, a read-only installation and the failures.
#
# Usage: launcher_test.sh LAUNCHER BINDIR PROGRAMDIR DATADIR
#   the launcher as configured by the build and the install folders, relative
#   to the prefix, that it was configured for.
set -euo pipefail

launcher=$(readlink -f "$1") bindir=$2 programdir=$3 datadir=$4
fake_game=$(cd "$(dirname "$0")" && pwd)/fake_game.sh

# Physical path, so that it reads the same in the launcher's messages.
work=$(cd "$(mktemp -d)" && pwd -P)
cleanup() {
  chmod -R u+rwx "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cd "$work"
# The unprivileged player of some cases must reach the tree and its folder.
chmod 0755 "$work"
mkdir -m 1777 "$work/records"
record=$work/records/game

current=""
die() {
  echo "FAIL [$current]: $*" >&2
  for file in "$work/out" "$work/err"; do
    [[ -s $file ]] && { echo "--- ${file##*/}:"; cat "$file"; } >&2
  done
  exit 1
}
begin() {
  current=$1
  echo "== $current"
}

# Root may write anything, so permission cases run as "nobody" when the tests
# run as root; as an ordinary user they run as that user.
as_player=()
player_uid=$(id -u)
if [[ $player_uid -eq 0 ]]; then
  if command -v setpriv > /dev/null; then
    as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    player_uid=65534
  else
    as_player=(unavailable)
  fi
fi

# make_tree DIR: an installed tree with the launcher, the fake program and data.
make_tree() {
  local root=$1
  mkdir -p "$root/$bindir" "$root/$programdir" "$root/$datadir/resources" "$root/$datadir/screenshots"
  cp "$launcher" "$root/$bindir/torvel"
  cp "$fake_game" "$root/$programdir/torvel-game"
  chmod 0755 "$root/$bindir/torvel" "$root/$programdir/torvel-game"
  printf 'АБВГДЕЖЗИК\r\nБАК\r\n' > "$root/$datadir/wmbase.txt"
  printf 'Анна\r\n684\r\n' > "$root/$datadir/results.tvl"
  printf 'GIF89a-background' > "$root/$datadir/fontvl.gif"
  printf 'RIFF-over' > "$root/$datadir/resources/over.wav"
  printf 'RIFF-click' > "$root/$datadir/resources/click.wav"
  printf 'PNG-screenshot' > "$root/$datadir/screenshots/main-window.png"
  printf 'лёд\n' > "$root/$datadir/wmyo.txt"
  printf 'ЛЕД\tice\n' > "$root/$datadir/wmgloss.txt"
}
data_files=(wmbase.txt results.tvl fontvl.gif resources/over.wav resources/click.wav wmyo.txt wmgloss.txt)

# launch [--as-player] [NAME=value...] -- [ARG...]: runs the tree's launcher
# with exactly the given environment; sets $status.
launch() {
  local runner=()
  if [[ $1 == --as-player ]]; then
    runner=("${as_player[@]}")
    shift
  fi
  local environment=()
  while [[ $1 != -- ]]; do
    environment+=("$1")
    shift
  done
  shift
  rm -f "$record"
  status=0
  "${runner[@]}" env -i PATH="$PATH" TORVEL_FAKE_RECORD="$record" "${environment[@]}" \
    "$tree/$bindir/torvel" "$@" > "$work/out" 2> "$work/err" || status=$?
}

expect_started_in() {
  [[ $status -eq 0 ]] || die "launcher exited with $status"
  [[ -f $record ]] || die "the game was not started"
  grep -Fxq "cwd=$1" "$record" || die "the game did not start in $1: $(head -n 1 "$record")"
}
expect_not_started() {
  [[ $status -ne 0 ]] || die "launcher exited with 0 although it had to fail"
  [[ ! -e $record ]] || die "the game was started although the launcher failed"
}
expect_message() {
  grep -Fq -- "$1" "$work/err" || die "no message naming '$1' on standard error"
}
expect_copies() {
  local folder=$1 name
  for name in "${data_files[@]}"; do
    cmp -s "$tree/$datadir/$name" "$folder/$name" || die "$folder/$name is not the installed $name"
  done
}
expect_no_leftovers() {
  local leftovers
  leftovers=$(find "$1" -name '.*' -print)
  [[ -z $leftovers ]] || die "temporary files left in the player's folder: $leftovers"
}
inode() { stat -c %i "$1"; }

tree=$work/usr

begin "first run seeds the player's folder"
make_tree "$tree"
launch XDG_DATA_HOME="$work/xdg" -- --level "two words"
folder=$work/xdg/torvel
expect_started_in "$folder"
grep -Fxq 'args=[--level][two words]' "$record" || die "arguments not passed on: $(grep '^args=' "$record")"
expect_copies "$folder"
grep -Fxq './resources/click.wav' "$record" || die "the game did not see resources/click.wav"
[[ ! -e $folder/screenshots ]] || die "the screenshots were copied into the player's folder"
[[ $(stat -c %A "$folder/results.tvl") == -rw* ]] || die "results.tvl is not writable by its owner"
expect_no_leftovers "$folder"

begin "without XDG_DATA_HOME, or with a relative one, the folder is in HOME"
for xdg in "" "relative/data"; do
  rm -rf "${work:?}/home"
  mkdir "$work/home"
  if [[ -z $xdg ]]; then
    launch HOME="$work/home" --
  else
    launch HOME="$work/home" XDG_DATA_HOME="$xdg" --
  fi
  expect_started_in "$work/home/.local/share/torvel"
  expect_copies "$work/home/.local/share/torvel"
done
launch XDG_DATA_HOME= --
expect_not_started
expect_message "HOME"

begin "the player's best results, history and unfinished game are kept"
printf 'Игрок\r\n999\r\n' > "$folder/results.tvl"
cp "$folder/results.tvl" "$work/players_results"
printf 'Новый\r\n1\r\n' > "$tree/$datadir/results.tvl"
# Files of these names in an installation are none of the player's.
for name in history.txt saved-game.txt; do
  printf 'player %s\n' "$name" > "$folder/$name"
  printf 'installed %s\n' "$name" > "$tree/$datadir/$name"
done
launch XDG_DATA_HOME="$work/xdg" --
expect_started_in "$folder"
cmp -s "$work/players_results" "$folder/results.tvl" || die "the player's results.tvl was replaced"
for name in history.txt saved-game.txt; do
  [[ $(cat "$folder/$name") == "player $name" ]] || die "the player's $name was replaced"
  rm "$tree/$datadir/$name"
done
rm "$folder/results.tvl"
launch XDG_DATA_HOME="$work/xdg" --
cmp -s "$tree/$datadir/results.tvl" "$folder/results.tvl" || die "a deleted results.tvl was not seeded again"

begin "a newer installed word base, picture or sound replaces the player's copy"
gif_inode=$(inode "$folder/fontvl.gif")
# Same size and an older time stamp: only the contents tell the files apart.
printf 'АБВГДЕЖЗИЙ\r\nБАК\r\n' > "$tree/$datadir/wmbase.txt"
touch -d '2001-01-01' "$tree/$datadir/wmbase.txt"
printf 'RIFF-player' > "$folder/resources/over.wav"
launch XDG_DATA_HOME="$work/xdg" --
expect_started_in "$folder"
expect_copies "$folder"
[[ $(inode "$folder/fontvl.gif") == "$gif_inode" ]] || die "an unchanged fontvl.gif was copied again"
expect_no_leftovers "$folder"

begin "an unusable folder stops the launcher with a message"
touch "$work/plain-file"
launch XDG_DATA_HOME="$work/plain-file/data" --
expect_not_started
expect_message "cannot create the folder $work/plain-file/data/torvel"
rm -rf "$work/xdg"
mkdir -p "$work/xdg/torvel"
touch "$work/xdg/torvel/resources"
launch XDG_DATA_HOME="$work/xdg" --
expect_not_started
expect_message "cannot create the folder $work/xdg/torvel/resources"
rm "$work/xdg/torvel/resources"
rm -f "$work/xdg/torvel/fontvl.gif"
mkdir -p "$work/xdg/torvel/fontvl.gif/in-the-way"
launch XDG_DATA_HOME="$work/xdg" --
expect_not_started
expect_message "cannot copy $tree/$datadir/fontvl.gif to $work/xdg/torvel/fontvl.gif"
expect_no_leftovers "$work/xdg/torvel"

if [[ ${as_player[0]-} == unavailable ]]; then
  echo "SKIP: running as root without setpriv, cannot act as an ordinary player"
  exit 0
fi

begin "a read-only installation gives the player writable copies"
rm -rf "$tree" "$work/xdg"
make_tree "$tree"
mkdir -p "$work/xdg"
chown "$player_uid" "$work/xdg"
find "$tree" -type f -exec chmod 0444 {} +
chmod 0555 "$tree/$bindir/torvel" "$tree/$programdir/torvel-game"
find "$tree" -type d -exec chmod 0555 {} +
launch --as-player XDG_DATA_HOME="$work/xdg" --
expect_started_in "$work/xdg/torvel"
expect_copies "$work/xdg/torvel"
grep -Fxq 'results=writable' "$record" || die "the player cannot rewrite results.tvl"
# A read-only copy of the player's is still brought up to date.
chmod 0644 "$work/xdg/torvel/wmbase.txt"
printf 'СТАРОЕ\r\n' > "$work/xdg/torvel/wmbase.txt"
chmod 0444 "$work/xdg/torvel/wmbase.txt"
launch --as-player XDG_DATA_HOME="$work/xdg" --
expect_started_in "$work/xdg/torvel"
expect_copies "$work/xdg/torvel"
# A table the player locked is left alone, with a word that results cannot be saved.
chmod 0444 "$work/xdg/torvel/results.tvl"
launch --as-player XDG_DATA_HOME="$work/xdg" --
expect_started_in "$work/xdg/torvel"
grep -Fxq 'results=read-only' "$record" || die "the player's locked results.tvl was made writable"
expect_message "warning: $work/xdg/torvel/results.tvl is not writable"

begin "a folder the player may not write stops the launcher with a message"
rm -rf "$work/xdg"
mkdir -m 0555 "$work/xdg"
launch --as-player XDG_DATA_HOME="$work/xdg" --
expect_not_started
expect_message "cannot create the folder $work/xdg/torvel"
mkdir -m 0777 "$work/xdg2"
mkdir -m 0555 "$work/xdg2/torvel"
launch --as-player XDG_DATA_HOME="$work/xdg2" --
expect_not_started
expect_message "the folder $work/xdg2/torvel is not writable"

begin "a data file the player may not read stops the launcher with a message"
rm -rf "$work/xdg"
mkdir -m 0777 "$work/xdg"
chmod 0755 "$tree/$datadir"
chmod 0000 "$tree/$datadir/fontvl.gif"
launch --as-player XDG_DATA_HOME="$work/xdg" --
expect_not_started
expect_message "cannot copy $tree/$datadir/fontvl.gif to $work/xdg/torvel/fontvl.gif"
expect_no_leftovers "$work/xdg/torvel"

begin "a side file of the word base the player may not read is only a warning"
chmod 0444 "$tree/$datadir/fontvl.gif"
chmod 0000 "$tree/$datadir/wmgloss.txt"
launch --as-player XDG_DATA_HOME="$work/xdg" --
expect_started_in "$work/xdg/torvel"
expect_message "warning: cannot copy $tree/$datadir/wmgloss.txt to $work/xdg/torvel/wmgloss.txt"
expect_no_leftovers "$work/xdg/torvel"

echo "all launcher cases passed"
