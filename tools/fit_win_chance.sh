#!/bin/sh
# Fits the review's win chance, 1 / (1 + e^(-(score - balance) / scale)),
# on level four's self-play games: plays them through nuedori-cli selfplay
# in slices of SLICE games, scores every position of every game with
# `nuedori-cli review --scores`, and finds the balance and the scale under
# which the army's score best foretells whether the army won (a logistic
# regression by maximum likelihood; a draw counts half a win). Every game
# weighs the same: its positions share a weight of one, so a long game (a
# draw by a full record has 500 entries) counts no more than a short one.
# Positions already won or lost (|score| >= 29000) say nothing and are left
# out.
# Prints the fit, then the chance it gives beside the share of games the
# army won, by the army's score.
#
#   tools/fit_win_chance.sh [nuedori-cli]
#   GAMES=40 SLICE=4 LIMIT=100000 NODES=300000 PLIES=6 SEED=1 RUN="nice -n 19" tools/fit_win_chance.sh
#
# LIMIT is level four's node budget per move in the games, NODES the review's
# per position; RUN is put before every nuedori-cli run (a lock, a nice level);
# SCORES names a file to keep the scores in.
set -eu
CLI=${1:-build/test/cli/nuedori-cli}
GAMES=${GAMES:-40}
SLICE=${SLICE:-4}
LIMIT=${LIMIT:-100000}
NODES=${NODES:-300000}
PLIES=${PLIES:-6}
SEED=${SEED:-1}
RUN=${RUN:-nice -n 19}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

played=0
while [ "$played" -lt "$GAMES" ]; do
    n=$((GAMES - played < SLICE ? GAMES - played : SLICE))
    dir="$WORK/games-$played"
    $RUN "$CLI" selfplay --games "$n" --level 4 --limit "$LIMIT" --random-plies "$PLIES" \
        --seed $((SEED + played)) --out "$dir" >/dev/null 2>&1
    $RUN sh -c 'for f in "$1"/*.棋譜; do "$2" review "$f" --nodes "$3" --scores; done' \
        fit "$dir" "$CLI" "$NODES" >>"$WORK/scores"
    played=$((played + n))
done
if [ -n "${SCORES:-}" ]; then cp "$WORK/scores" "$SCORES"; fi

awk '
    /^position / {
        n++; army[n] = $6
        score[n] = ($6 == "full") ? $8 : -$8
        armySide[n] = ($6 == "full") ? $4 : ($4 == "upper" ? "lower" : "upper")
        next
    }
    /^result / {
        for (i = first + 1; i <= n; i++) {
            if ($2 == "unfinished" || army[i] == "even" || score[i] >= 29000 || score[i] <= -29000) continue
            m++; a[m] = score[i] / 1000; y[m] = ($2 == "draw") ? 0.5 : ($2 == armySide[i] ? 1 : 0); g[m] = games
            inGame[games]++
        }
        first = n; games++
    }
    function loglik(v0, v1,   i, p, l) {
        l = 0
        for (i = 1; i <= m; i++) {
            p = 1 / (1 + exp(-(v0 + v1 * a[i]))); if (p < 1e-12) p = 1e-12; if (p > 1 - 1e-12) p = 1 - 1e-12
            l += (y[i] * log(p) + (1 - y[i]) * log(1 - p)) / inGame[g[i]]
        }
        return l
    }
    END {
        if (m == 0) { print "no positions to fit"; exit 1 }
        # Newton steps on z = w0 + w1 x, x the army score in thousands, each
        # halved until the likelihood grows.
        w0 = 0; w1 = 0; ll = loglik(w0, w1)
        for (step = 0; step < 100; step++) {
            g0 = g1 = h00 = h01 = h11 = 0
            for (i = 1; i <= m; i++) {
                p = 1 / (1 + exp(-(w0 + w1 * a[i]))); wt = 1 / inGame[g[i]]; d = wt * p * (1 - p) + 1e-9
                g0 += wt * (y[i] - p); g1 += wt * (y[i] - p) * a[i]
                h00 += d; h01 += d * a[i]; h11 += d * a[i] * a[i]
            }
            det = h00 * h11 - h01 * h01
            if (det <= 0) break
            d0 = (h11 * g0 - h01 * g1) / det; d1 = (h00 * g1 - h01 * g0) / det
            for (t = 1; t > 1e-6; t /= 2) if ((tried = loglik(w0 + t * d0, w1 + t * d1)) > ll) break
            if (t <= 1e-6) break
            w0 += t * d0; w1 += t * d1; ll = tried
        }
        printf "scale %.0f balance %.0f from %d positions of %d games (log-likelihood %.4f a game)\n", 1000 / w1, -1000 * w0 / w1, m, games, ll / games
        printf "%16s %8s %8s %9s\n", "army score", "chance", "won", "positions"
        for (i = 1; i <= m; i++) {
            b = int(a[i] + 10); if (b < 0) b = 0; if (b > 19) b = 19
            c[b]++; w[b] += y[i]; q[b] += 1 / (1 + exp(-(w0 + w1 * a[i])))
        }
        for (b = 0; b <= 19; b++) if (c[b] > 0)
            printf "%7d..%7d %8.3f %8.3f %9d\n", b * 1000 - 10000, b * 1000 - 9001, q[b] / c[b], w[b] / c[b], c[b]
    }
' "$WORK/scores"
