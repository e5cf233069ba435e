#!/usr/bin/env bash
# Checks a built package against what Debian and software centres ask of it:
# lintian finds no error and no warning, the AppStream description validates
# and names the installed desktop entry, its release is the package's version
# and agrees with the changelog, and each screenshot is the committed file its
# address points at.
#
# Usage: package_standards.sh DEB ROOT SOURCE_DIR VERSION
#   ROOT is the package unpacked with dpkg -x.
set -euo pipefail

deb=$1 root=$2 source_dir=$3 version=$4
prefix=$root/usr

die() {
  echo "FAIL: $*" >&2
  exit 1
}

echo "== lintian"
lintian --fail-on error,warning --display-info "$deb" || die "lintian reports an error or a warning"

echo "== appstreamcli"
metainfo=$prefix/share/metainfo/torvel.metainfo.xml
[[ -f $metainfo ]] || die "the package has no /usr/share/metainfo/torvel.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || die "the AppStream description does not validate"

# id, launchable, newest release's version and date, one per line; then each
# screenshot's address, width and height on a line, the default one first.
fields=$(python3 - "$metainfo" <<'PYTHON'
import sys
import xml.etree.ElementTree as ET

component = ET.parse(sys.argv[1]).getroot()
release = component.find("releases/release")
for value in (component.findtext("id"), component.findtext("launchable[@type='desktop-id']"),
              release.get("version"), release.get("date")):
    print(value)
shots = component.findall("screenshots/screenshot")
for shot in sorted(shots, key=lambda shot: shot.get("type") != "default"):
    image = shot.find("image")
    print(image.text.strip(), image.get("width"), image.get("height"))
PYTHON
) || die "cannot read the fields of $metainfo"
{ read -r id; read -r launchable; read -r release; read -r release_date; mapfile -t screenshots; } <<< "$fields"

entries=("$prefix"/share/applications/*.desktop)
[[ ${#entries[@]} -eq 1 && -f ${entries[0]} ]] || die "not one desktop entry in /usr/share/applications"
entry=$(basename "${entries[0]}")
[[ $entry == "$id.desktop" ]] || die "the desktop entry is $entry, the AppStream id is $id"
[[ $launchable == "$entry" ]] || die "the AppStream description launches $launchable, the desktop entry is $entry"

[[ $release == "$version" ]] || die "the newest AppStream release is $release, the package is $version"
changelog=$(zcat "$prefix/share/doc/torvel/changelog.gz") || die "cannot read the changelog"
logged=$(dpkg-parsechangelog -l - -S Version <<< "$changelog")
logged_time=$(dpkg-parsechangelog -l - -S Timestamp <<< "$changelog")
[[ $logged == "$version" ]] || die "the changelog's newest entry is $logged, the package is $version"
logged_date=$(date -u -d "@$logged_time" +%F)
[[ $release_date == "$logged_date" ]] || die "the AppStream release is dated $release_date, the changelog $logged_date"

# Each address ends with the screenshot's path in the repository.
for screenshot in "${screenshots[@]}"; do
  read -r url width height <<< "$screenshot"
  path=${url#*://*/}
  while [[ $path == */* && ! -f $source_dir/$path ]]; do
    path=${path#*/}
  done
  [[ -f $source_dir/$path ]] || die "the screenshot address $url names no file of the repository"
  installed=$prefix/share/torvel/screenshots/$(basename "$path")
  cmp -s "$source_dir/$path" "$installed" || die "the package's screenshot is not the repository's $path"
  file "$installed" | grep -q "PNG image data, $width x $height," ||
    die "the screenshot is not a $width × $height PNG: $(file -b "$installed")"
done

echo "package meets the standards: lintian clean, AppStream id $id valid"
