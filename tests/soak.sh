#!/usr/bin/env bash
# Self-play soak: the computer plays itself at every level with random
# openings, every position and every saved record checked.
# Usage: tests/soak.sh NUEDORI_CLI [GAMES_PER_LEVEL] [RANDOM_PLIES] [SEED]
set -euo pipefail
cli=${1:?path of nuedori-cli}
games=${2:-30}
plies=${3:-6}
seed=${4:-1}
out=$(mktemp -d /tmp/nuedori-soak.XXXXXX)
trap 'rm -rf "$out"' EXIT
for level in 1 2 3; do
  mkdir -p "$out/$level"
  log="$out/level$level.log"
  if ! "$cli" selfplay --games "$games" --level "$level" --random-plies "$plies" --seed "$seed" \
       --out "$out/$level" --check >"$log"; then
    echo "soak: level $level failed"; cat "$log"; exit 1
  fi
  lines=$(grep -c '^game ' "$log")
  files=$(find "$out/$level" -name 'selfplay-*.棋譜' | wc -l)
  if [ "$lines" -ne "$games" ] || [ "$files" -ne "$games" ] || ! tail -n 1 "$log" | grep -q '^total: '; then
    echo "soak: level $level gave $lines game lines and $files files for $games games"; exit 1
  fi
  echo "soak level $level: $(tail -n 1 "$log")"
done
