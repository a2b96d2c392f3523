#!/bin/sh
# Self-play under a clock through nuedori-cli selfplay --clock, in slices of
# SLICE games (each under nice -n 19, and under flock LOCK when LOCK is set),
# every move and record checked. Prints the totals, the time losses and the
# longest move a search level made, the time between its clock's start and
# stop included.
#
#   tools/clock_match.sh [nuedori-cli]
#   GAMES=100 SLICE=2 CLOCK=byoyomi:0:1 LEVEL=8 LOWER=6 PLIES=4 SEED=1 LOCK=file tools/clock_match.sh
set -eu
CLI=${1:-build/test/cli/nuedori-cli}
GAMES=${GAMES:-100}
SLICE=${SLICE:-2}
CLOCK=${CLOCK:-byoyomi:0:1}
LEVEL=${LEVEL:-8}
LOWER=${LOWER:-$LEVEL}
PLIES=${PLIES:-4}
SEED=${SEED:-1}
LOG=$(mktemp -d)
trap 'rm -rf "$LOG"' EXIT

start=0
while [ "$start" -lt "$GAMES" ]; do
    n=$((GAMES - start < SLICE ? GAMES - start : SLICE))
    # Game i of the slice from seed SEED + start is game start + i of one long run.
    status=0
    nice -n 19 ${LOCK:+flock "$LOCK"} "$CLI" selfplay --games "$n" --level "$LEVEL" --lower-level "$LOWER" \
        --random-plies "$PLIES" --seed $((SEED + start)) --clock "$CLOCK" --check \
        >"$LOG/$start.out" 2>"$LOG/$start.err" || status=$?
    if [ "$status" -ne 0 ]; then
        echo "slice from game $start: nuedori-cli selfplay failed ($status):" >&2
        grep -v "longest move" "$LOG/$start.err" >&2 || true
        exit 1
    fi
    start=$((start + n))
done

echo "level $LEVEL (upper) against level $LOWER (lower), $GAMES games, clock $CLOCK, $PLIES random plies, seed $SEED"
cat "$LOG"/*.out | awk '
    /^total: / { u += $2; l += $4; d += $6; t += $8 }
    / on time / { print "  " $0 }
    END { printf "total: %d upper, %d lower, %d draws, %d time losses\n", u, l, d, t }'
cat "$LOG"/*.err | awk '/longest move/ { if ($(NF-1) > m) m = $(NF-1) }
    END { printf "the search levels'"'"' longest move: %.3f s\n", m }'
