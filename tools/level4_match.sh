#!/bin/sh
# A search level (LEVEL, 8 unless set) against another level through
# nuedori-cli selfplay, from random openings: GAMES games with it as the
# upper side, then GAMES with it as the lower side, from the same openings
# (the same seed), every move and record checked. Prints the score by side
# and by the pieces it had (odd games start from the human-first position,
# where the lower side owns the Nue King; even games from the computer-first
# one). tools/ladder_match.py plays the whole ladder.
#
#   tools/level4_match.sh [nuedori-cli]
#   GAMES=100 PLIES=4 LIMIT=0 SEED=1 LEVEL=8 OPPONENT=3 OUT=dir tools/level4_match.sh
#
# LIMIT is level 8's node budget per move (0: its time limit, about a
# second). OPPONENT=8 plays level 8 against itself.
set -eu
CLI=${1:-build/test/cli/nuedori-cli}
GAMES=${GAMES:-100}
PLIES=${PLIES:-4}
LIMIT=${LIMIT:-0}
SEED=${SEED:-1}
LEVEL=${LEVEL:-8}
OPPONENT=${OPPONENT:-3}
OUT=${OUT:-}
LOG=$(mktemp -d)
trap 'rm -rf "$LOG"' EXIT

half() { # upper level, lower level, name
    status=0
    "$CLI" selfplay --games "$GAMES" --level "$1" --lower-level "$2" --limit "$LIMIT" \
        --random-plies "$PLIES" --seed "$SEED" --check ${OUT:+--out "$OUT/$3"} \
        >"$LOG/$3.out" 2>"$LOG/$3.err" || status=$?
    if [ "$status" -ne 0 ]; then
        echo "$3: nuedori-cli selfplay failed ($status):" >&2
        grep -v "longest move" "$LOG/$3.err" >&2 || true
        exit 1
    fi
}

half "$LEVEL" "$OPPONENT" upper
half "$OPPONENT" "$LEVEL" lower

# One line per half: wins, losses, draws of the level, in all and by its pieces.
score() { # file, the side the level played (upper or lower)
    awk -v me="$2" -v level="$LEVEL" '
        /^game / {
            n = $2; sub(":", "", n); result = $3
            pieces = ((n % 2 == 1) == (me == "lower")) ? "nue" : "army"
            if (result == me) { w++; W[pieces]++ } else if (result == "draw") { d++; D[pieces]++ } else { l++; L[pieces]++ }
            G[pieces]++
        }
        END {
            printf "level %d as %s: %d won, %d lost, %d drawn, score %.1f%%", level, me, w, l, d, 100 * (w + d / 2) / (w + l + d)
            printf "  (with the Nue King %d-%d-%d, with the army %d-%d-%d)\n", W["nue"], L["nue"], D["nue"], W["army"], L["army"], D["army"]
        }' "$1"
}

echo "level $LEVEL against level $OPPONENT, $GAMES games a side, $PLIES random plies, seed $SEED, limit $LIMIT"
score "$LOG/upper.out" upper
score "$LOG/lower.out" lower
awk -v level="$LEVEL" '/^game / { if (FILENAME ~ /upper/ ? $3 == "upper" : $3 == "lower") w++; else if ($3 == "draw") d++; else l++ }
     END { printf "level %d in all: %d won, %d lost, %d drawn, score %.1f%%\n", level, w, l, d, 100 * (w + d / 2) / (w + l + d) }' \
    "$LOG/upper.out" "$LOG/lower.out"
cat "$LOG/upper.err" "$LOG/lower.err" | awk '/longest move/ { if ($(NF-1) > m) m = $(NF-1) }
    END { printf "the search'"'"'s longest move: %.3f s\n", m }'
