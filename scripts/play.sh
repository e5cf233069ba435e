#!/usr/bin/env bash
# Builds the game and starts it in build/game/play, a folder that holds its data
# files (the game finds them in its current directory). The best results you
# set there are kept between builds.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake --preset game > /dev/null
cmake --build --preset game

play=build/game/play
mkdir -p "$play/resources"
cp -f assets/wmbase.txt assets/wmyo.txt assets/wmgloss.txt assets/fontvl.gif "$play/"
cp -f assets/resources/*.wav "$play/resources/"
# The player's table of best results is never replaced once it exists.
[[ -e "$play/results.tvl" ]] || cp assets/results.tvl "$play/"

cd "$play"
exec ../windows/torvel-game
