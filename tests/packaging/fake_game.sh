#!/bin/sh
# Stands in for the game program in the launcher's tests: records where it was
# started, with which arguments, which files it found there and whether it may
# rewrite the table of best results, into the file named by TORVEL_FAKE_RECORD.
set -eu
{
  printf 'cwd=%s\n' "$(pwd)"
  printf 'args='
  printf '[%s]' "$@"
  printf '\n'
  if [ -w results.tvl ]; then echo 'results=writable'; else echo 'results=read-only'; fi
  find . -type f -print | LC_ALL=C sort
} > "$TORVEL_FAKE_RECORD"
