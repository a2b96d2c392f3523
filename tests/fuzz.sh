#!/usr/bin/env bash
# Runs the fuzz targets of a sanitizer build for as long as asked, each on
# a scratch copy of its corpus; a crash leaves its input in the build folder.
# Usage: tests/fuzz.sh BUILD_FOLDER [SECONDS_PER_TARGET]
set -euo pipefail
build=$(cd "${1:?sanitizer build folder}" && pwd)
seconds=${2:-30}
here=$(cd "$(dirname "$0")" && pwd)
for target in kifu kept cli exchange; do
  work=$(mktemp -d /tmp/nuedori-fuzz-$target.XXXXXX)
  cp -r "$here/fuzz/corpus/$target/." "$work/"
  echo "fuzzing $target for $seconds s"
  if ! (cd "$build" && "./tests/fuzz/${target}_fuzz" -max_total_time="$seconds" -max_len=8192 \
        -print_final_stats=0 -artifact_prefix="$build/${target}-" "$work" 2>"$build/${target}_fuzz.log"); then
    tail -n 40 "$build/${target}_fuzz.log"; rm -rf "$work"; exit 1
  fi
  grep -E '^#[0-9]+.*DONE' "$build/${target}_fuzz.log" | tail -n 1 || true
  rm -rf "$work"
done
