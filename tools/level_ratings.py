#!/usr/bin/env python3
"""Each level's rating with the Nue King and with the army, fitted from the ladder's results.

Reads the rows of the ladder's tables (as tools/ladder_match.py prints them, and
as the README keeps them): for each pair, the stronger level's wins, losses and
draws with the Nue King and with the army. Every level plays both sides, so each
(level, side) gets a rating of its own, all on one scale: the chance that a
player rated A beats one rated B is 1 / (1 + 10^((B - A) / 400)), a draw counting
half a win, and the ratings are those that make the recorded results likeliest
(Bradley-Terry by maximum likelihood, Newton's method). A game pits one level's
Nue King against the other's army, so the ratings of the two sides are tied
together only through games of a level against itself (rows "3 vs 3"): without
them the Nue King's side and the army's side would float apart.

The scale is anchored at the mean of level 3's two ratings, 1500 (--anchor), the
rating every player starts with. A rating's deviation is its standard error
from the fit (the inverse of the Fisher information), measured from the anchor.

    tools/level_ratings.py README.md
    tools/level_ratings.py README.md build/ladder/low.txt --header rating/level_ratings.h

prints the table of ratings as the README shows it and, with --header, writes
the rows into the rating core's constexpr table between its markers.
"""

import argparse
import math
import os
import re
import sys

# "| 4 vs 3 | ... | 87.0% (87-0-13) | 53.0% (53-36-11) | ..." : the pair, then
# the stronger level's wins-losses-draws with the Nue King and with the army.
COUNTS = r"\s*[\d.]+% \((\d+)-(\d+)-(\d+)\)\s*"
ROW = re.compile(r"^\| (\d) vs (\d) \|[^|]*\|[^|]*\|" + COUNTS + r"\|" + COUNTS + r"\|")

NUE, ARMY = 0, 1
SIDE_NAMES = ("the Nue King", "the army")
LOG10 = math.log(10)


def read_rows(paths):
    """{(stronger, weaker): (nue counts, army counts)}, a later file's row replacing an earlier's."""
    rows = {}
    for path in paths:
        with open(path, encoding="utf-8") as f:
            for line in f:
                m = ROW.match(line)
                if m:
                    values = [int(v) for v in m.groups()]
                    rows[(values[0], values[1])] = (tuple(values[2:5]), tuple(values[5:8]))
    return rows


def games_of(rows):
    """(winner's parameter, loser's parameter, score, games) for every cell of every row."""
    games = []
    for (high, low), (nue, army) in rows.items():
        # The stronger level's Nue King against the weaker's army, and the other way round.
        for high_side, counts in ((NUE, nue), (ARMY, army)):
            wins, losses, draws = counts
            total = wins + losses + draws
            if total:
                games.append(((high, high_side), (low, 1 - high_side), (wins + draws / 2) / total, total))
    return games


def solve(matrix, vector):
    """matrix^-1 vector by Gaussian elimination with partial pivoting."""
    n = len(vector)
    a = [row[:] + [vector[i]] for i, row in enumerate(matrix)]
    for col in range(n):
        pivot = max(range(col, n), key=lambda r: abs(a[r][col]))
        if abs(a[pivot][col]) < 1e-300:
            raise SystemExit("the results do not tie every level's side to the others")
        a[col], a[pivot] = a[pivot], a[col]
        for r in range(n):
            if r != col:
                factor = a[r][col] / a[col][col]
                for c in range(col, n + 1):
                    a[r][c] -= factor * a[col][c]
    return [a[i][n] / a[i][i] for i in range(n)]


def inverse(matrix):
    n = len(matrix)
    columns = [solve(matrix, [1.0 if i == j else 0.0 for i in range(n)]) for j in range(n)]
    return [[columns[j][i] for j in range(n)] for i in range(n)]


def fit(games, fixed):
    """Ratings (Elo, `fixed` at 0) of greatest likelihood, and their covariance."""
    names = sorted({g[0] for g in games} | {g[1] for g in games})
    free = [p for p in names if p != fixed]
    index = {p: i for i, p in enumerate(free)}
    x = {p: 0.0 for p in names}
    k = LOG10 / 400  # d/dx of the logistic's argument
    for _ in range(100):
        gradient = [0.0] * len(free)
        hessian = [[0.0] * len(free) for _ in free]
        for a, b, score, n in games:
            p = 1 / (1 + math.exp(-k * (x[a] - x[b])))
            g, h = n * k * (score - p), n * k * k * p * (1 - p)
            for q, sign in ((a, 1), (b, -1)):
                if q in index:
                    gradient[index[q]] += sign * g
            for q, sq in ((a, 1), (b, -1)):
                for r, sr in ((a, 1), (b, -1)):
                    if q in index and r in index:
                        hessian[index[q]][index[r]] += sq * sr * h
        step = solve(hessian, gradient)
        for p, i in index.items():
            x[p] += step[i]
        if max(abs(s) for s in step) < 1e-9:
            break
    else:
        raise SystemExit("the fit does not settle: some level's side wins or loses every game")
    return x, free, inverse(hessian)


def anchored(x, free, covariance, anchor):
    """Ratings with the mean of level 3's two at `anchor`, and each one's deviation from it."""
    mean = (x[(3, NUE)] + x[(3, ARMY)]) / 2
    weights_of_mean = {p: 0.5 for p in ((3, NUE), (3, ARMY)) if p in free}
    out = {}
    for p in x:
        # The rating less the anchor's mean, as a combination of the free parameters.
        w = {q: -v for q, v in weights_of_mean.items()}
        if p in free:
            w[p] = w.get(p, 0) + 1
        idx = {q: free.index(q) for q in w}
        var = sum(w[q] * w[r] * covariance[idx[q]][idx[r]] for q in w for r in w)
        out[p] = (anchor + x[p] - mean, math.sqrt(max(var, 0)))
    return out


def header_rows(ratings):
    lines = []
    for level in range(1, 9):
        nue, army = ratings[(level, NUE)], ratings[(level, ARMY)]
        lines.append(f"    // level {level}")
        lines.append(f"    {{{{{{{nue[0]:.1f}, {nue[1]:.1f}}}, {{{army[0]:.1f}, {army[1]:.1f}}}}}}},")
    return lines


def write_header(path, ratings):
    with open(path, encoding="utf-8") as f:
        text = f.read().split("\n")
    begin = next(i for i, line in enumerate(text) if "LEVEL_TABLE_BEGIN" in line)
    end = next(i for i, line in enumerate(text) if "LEVEL_TABLE_END" in line)
    text[begin + 1:end] = header_rows(ratings)
    with open(path + ".tmp", "w", encoding="utf-8") as f:
        f.write("\n".join(text))
    os.replace(path + ".tmp", path)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("tables", nargs="+", help="files holding the ladder's rows (README.md, ladder output)")
    parser.add_argument("--anchor", type=float, default=1500, help="the mean of level 3's two ratings")
    parser.add_argument("--header", help="the rating core's header to write the table into")
    args = parser.parse_args()

    rows = read_rows(args.tables)
    games = games_of(rows)
    levels = sorted({p[0] for g in games for p in g[:2]})
    if levels != list(range(1, 9)) or (3, 3) not in rows:
        raise SystemExit(f"need every level 1 to 8 and level 3 against itself; rows: {sorted(rows)}")
    x, free, covariance = fit(games, (3, NUE))
    ratings = anchored(x, free, covariance, args.anchor)

    print(f"Fitted from {sum(g[3] for g in games)} games, pairs "
          + ", ".join(f"{h}-{l}" for h, l in sorted(rows)) + f"; level 3's mean at {args.anchor:.0f}")
    print()
    print("| level | with the Nue King | with the army |")
    print("|---|---|---|")
    for level in levels:
        nue, army = ratings[(level, NUE)], ratings[(level, ARMY)]
        print(f"| {level} | {nue[0]:.0f} ± {nue[1]:.0f} | {army[0]:.0f} ± {army[1]:.0f} |")
    print()
    # How well the model meets each cell: expected against recorded score.
    print("| pair | cell | recorded | fitted |")
    print("|---|---|---|---|")
    for (a, b, score, n) in games:
        p = 1 / (1 + 10 ** ((x[b] - x[a]) / 400))
        print(f"| {a[0]} vs {b[0]} | {a[0]} with {SIDE_NAMES[a[1]]} ({n}) | {100 * score:.1f}% | {100 * p:.1f}% |")
    if args.header:
        write_header(args.header, ratings)
        print(f"\nwritten into {args.header}", file=sys.stderr)


if __name__ == "__main__":
    main()
