#!/usr/bin/env bash
# Builds the Debian package from a build folder into a scratch folder and
# checks what a player would get: the control fields with the dependencies
# found by dpkg-shlibdeps, the installed files unpacked into a temporary root,
# a valid desktop entry, icons of the right sizes, a launcher that finds
# the packaged program and data by itself, and what Debian and software
# centres ask of a package (package_standards.sh).
#
# Usage: package_test.sh SOURCE_DIR BUILD_DIR VERSION BINDIR PROGRAMDIR DATADIR WITH_PROGRAM APP_ID
#   the install folders relative to the prefix; WITH_PROGRAM is ON when the
#   build has the game program; APP_ID names the desktop entry.
set -euo pipefail

source_dir=$1 build_dir=$2 version=$3 bindir=$4 programdir=$5 datadir=$6
with_program=$7 app_id=$8
here=$(cd "$(dirname "$0")" && pwd)
fake_game=$here/fake_game.sh

work=$(cd "$(mktemp -d)" && pwd -P)
trap 'rm -rf "$work"' EXIT

die() {
  echo "FAIL: $*" >&2
  exit 1
}

cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/out" > "$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; die "cpack failed"; }
debs=("$work"/out/torvel_"$version"_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || die "no single package torvel_${version}_*.deb in: $(ls "$work/out")"
deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == torvel ]] || die "package name is '$(field Package)'"
[[ $(field Version) == "$version" ]] || die "version is '$(field Version)'"
[[ $(field Section) == games ]] || die "section is '$(field Section)'"
[[ -n $(field Maintainer) ]] || die "no maintainer"
description=$(field Description)
grep -q 'word game' <<< "$description" || die "no English description: $description"
grep -q 'игра в слова' <<< "$description" || die "no Russian description: $description"
depends=$(field Depends)
needed=(qt6-qpa-plugins fonts-liberation qt6-translations-l10n)
if [[ $with_program == ON ]]; then
  needed+=(libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6multimedia6)
fi
depended_on=$(tr ',' '\n' <<< "$depends" | sed 's/^ *//; s/ .*//')
for package in "${needed[@]}"; do
  grep -Fxq "$package" <<< "$depended_on" || die "Depends lacks $package: $depends"
done

dpkg-deb -c "$deb" > "$work/contents"
root=$work/root
dpkg -x "$deb" "$root"
prefix=$root/usr

expect_mode() {
  local mode
  mode=$(stat -c %a "$prefix/$1" 2> /dev/null) || die "the package has no /usr/$1"
  [[ $mode == "$2" ]] || die "/usr/$1 has mode $mode, not $2"
  grep -q " \./usr/$1\$" "$work/contents" || die "dpkg-deb -c does not list ./usr/$1"
}
expect_mode "$bindir/torvel" 755
if [[ $with_program == ON ]]; then
  expect_mode "$programdir/torvel-game" 755
  file "$prefix/$programdir/torvel-game" | grep -q 'ELF' || die "the program is not an ELF executable"
  # The program loads its sounds from beside itself.
  expect_mode "$programdir/libtorvel-sound.so" 644
  file "$prefix/$programdir/libtorvel-sound.so" | grep -q 'ELF.*shared object' || die "the sound module is not a shared object"
fi
data_files=(wmbase.txt wmyo.txt wmgloss.txt results.tvl fontvl.gif resources/over.wav resources/click.wav)
for name in "${data_files[@]}"; do
  expect_mode "$datadir/$name" 644
  cmp -s "$source_dir/assets/$name" "$prefix/$datadir/$name" || die "the packaged $name differs from assets/$name"
done

desktop=share/applications/$app_id.desktop
expect_mode "$desktop" 644
desktop-file-validate "$prefix/$desktop" || die "the desktop entry is not valid"
grep -Fxq 'Exec=torvel' "$prefix/$desktop" || die "the desktop entry does not start torvel"
for size in 16 32 48 64 128 256; do
  icon=share/icons/hicolor/${size}x${size}/apps/torvel.png
  expect_mode "$icon" 644
  file "$prefix/$icon" | grep -q "PNG image data, $size x $size," || die "/usr/$icon is not a $size × $size PNG"
done

expect_mode share/man/man6/torvel.6.gz 644
zcat "$prefix/share/man/man6/torvel.6.gz" | grep -q '^\.TH TORVEL 6' || die "the manual page is not a section 6 page"
for name in copyright changelog.gz; do
  expect_mode "share/doc/torvel/$name" 644
done

bash "$here/package_standards.sh" "$deb" "$root" "$source_dir" "$version"

# Nothing of the machine that built the package may leak into the launcher.
if grep -Fq "$build_dir" "$prefix/$bindir/torvel" || grep -Fq "$source_dir" "$prefix/$bindir/torvel"; then
  die "the launcher names the build or source folder"
fi

# The packaged launcher finds the packaged program and data from where it is.
mkdir -p "$prefix/$programdir"
install -m 0755 "$fake_game" "$prefix/$programdir/torvel-game"
record=$work/record
env -i PATH="$PATH" XDG_DATA_HOME="$work/xdg" TORVEL_FAKE_RECORD="$record" "$prefix/$bindir/torvel" > "$work/launch.log" 2>&1 ||
  { cat "$work/launch.log" >&2; die "the packaged launcher failed"; }
grep -Fxq "cwd=$work/xdg/torvel" "$record" || die "the packaged launcher did not start the game in the player's folder"
for name in "${data_files[@]}"; do
  cmp -s "$prefix/$datadir/$name" "$work/xdg/torvel/$name" || die "the player's folder lacks $name"
done

echo "package $(basename "$deb") checked; Depends: $depends"
