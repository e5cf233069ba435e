#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, test and run.
# Quick when everything is already there: apt is only called for what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  python3 fonts-liberation wbritish-large wamerican-large
  xvfb openbox x11-xkb-utils xdotool x11-apps x11-utils imagemagick desktop-file-utils dpkg-dev file
  libx11-dev libfontconfig-dev time strace shellcheck lintian appstream
  pulseaudio pulseaudio-utils sox
  dbus-daemon at-spi2-core python3-pyatspi
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
