# shellcheck shell=bash disable=SC2034  # sourced: $source_dir and $game are for the caller
# Sourced first by the measurements of the optimised game in real windows
# under Xvfb: it goes to the top of the source tree ($source_dir) and brings
# the helpers of the real-window tests, the build of the game and the median
# of figures.

cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit
source_dir=$PWD
# shellcheck source=tests/e2e/x_session.sh
source tests/e2e/x_session.sh

# build_release_game TARGET...: installs what the measurements need and
# builds the optimised TARGETs, the game among them; sets $game.
build_release_game() {
  bash scripts/install-deps.sh
  cmake --preset release > /dev/null
  cmake --build --preset release --parallel 2 --target "$@"
  game=$source_dir/build/release/windows/torvel-game
}

# The median of the numbers on standard input, one a line.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
