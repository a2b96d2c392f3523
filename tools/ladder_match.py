#!/usr/bin/env python3
"""The ladder of levels, each against the one below, through nuedori-cli selfplay.

Each pair plays GAMES games from random openings: half with the stronger level
as the upper side, half as the lower, from the same openings (the same seeds).
Self-play alternates the starting positions (odd games: the lower side owns the
Nue King), so each level holds the Nue King in half its games and the army in
the other half. Level 8 searches a fixed node budget (--limit), the levels below
their own budgets, so every game can be played again move for move.

Prints, for each pair, the stronger level's score with its 95 % error bar and
the Elo difference it means, and each level's wins with the Nue King and with
the army; then each level's Elo above level 3 along the ladder.

    tools/ladder_match.py --games 200 --limit 2000000
    tools/ladder_match.py --pairs 3-4,4-5 --games 40 --slice 10 --keep /tmp/ladder
    tools/ladder_match.py --pairs 1-2,2-3,3-3 --games 200

A pair of one level (3-3) plays it against itself, the upper side counted as
"the stronger": its row says how the Nue King's side fares against the
army's at that level, which tools/level_ratings.py needs to put both sides
on one scale.

Games are played in slices of --slice games, one nuedori-cli run each, under
nice -n 19 and, with --lock FILE, under flock FILE, so other work gets its turn
between slices (a slice of level 8's games takes about a minute a game: keep
those slices small, --strong-slice). With --keep DIR each slice's output is kept there and a slice
already played is not played again: an interrupted run goes on where it
stopped (use a fresh folder after changing the levels).
"""

import argparse
import math
import os
import re
import subprocess
import sys
import time

GAME_LINE = re.compile(r"^game (\d+): (upper|lower|draw)\b")


def parse_pairs(text):
    pairs = []
    for part in text.split(","):
        low, high = (int(n) for n in part.split("-"))
        if not (1 <= low <= high <= 8):
            raise SystemExit(f"bad pair {part}: levels 1 to 8, the weaker first")
        pairs.append((low, high))
    return pairs


def run_slice(args, upper, lower, seed, games):
    """The results of one nuedori-cli run: a list of (game number, winner)."""
    command = [args.cli, "selfplay", "--games", str(games), "--level", str(upper), "--lower-level",
               str(lower), "--limit", str(args.limit), "--random-plies", str(args.plies), "--seed",
               str(seed)]
    if args.check:
        command.append("--check")
    name = f"{upper}-{lower}-s{seed}-n{games}-p{args.plies}-l{args.limit}.out"
    kept = os.path.join(args.keep, name) if args.keep else None
    if kept and os.path.exists(kept):
        with open(kept, encoding="utf-8") as f:
            text = f.read()
    else:
        wrapped = ["nice", "-n", "19"] + (["flock", args.lock] if args.lock else []) + command
        began = time.monotonic()
        for _ in range(3):  # a slice stopped by a signal from outside is played again
            done = subprocess.run(wrapped, capture_output=True, text=True, check=False)
            if done.returncode >= 0:
                break
            print(f"  {name}: stopped by signal {-done.returncode}, played again", file=sys.stderr)
        if done.returncode != 0:
            sys.stderr.write(done.stderr)
            raise SystemExit(f"{' '.join(command)} failed ({done.returncode})")
        text = done.stdout
        if kept:
            with open(kept + ".tmp", "w", encoding="utf-8") as f:
                f.write(text)
            os.replace(kept + ".tmp", kept)
        print(f"  level {upper} (upper) against {lower} (lower), seed {seed}: {games} games in "
              f"{time.monotonic() - began:.0f} s", file=sys.stderr, flush=True)
    results = []
    for line in text.splitlines():
        m = GAME_LINE.match(line)
        if m:
            results.append((int(m.group(1)), m.group(2)))
    if len(results) != games:
        raise SystemExit(f"{name}: {len(results)} results for {games} games")
    return results


class Tally:
    """Wins, losses and draws of one level against the other, in all and by pieces."""

    def __init__(self):
        self.counts = {"nue": [0, 0, 0], "army": [0, 0, 0]}

    def add(self, pieces, outcome):  # outcome: 0 win, 1 loss, 2 draw
        self.counts[pieces][outcome] += 1

    def total(self):
        return [self.counts["nue"][i] + self.counts["army"][i] for i in range(3)]


def play_pair(args, low, high):
    """The stronger level's tally against the weaker one."""
    tally = Tally()
    half = args.games // 2
    size = args.strong_slice if high == 8 else args.slice
    # A level against itself: every game once, the "stronger" the upper side
    # (played the other way round, the same games would come again).
    ways = (True,) if low == high else (True, False)
    if low == high:
        half = args.games
    for stronger_upper in ways:
        upper, lower = (high, low) if stronger_upper else (low, high)
        for start in range(0, half, size):
            games = min(size, half - start)
            # Slices of one long run: game i of a slice from seed s is game
            # start + i of the run from seed args.seed (an even slice keeps
            # the starting positions alternating as in one run).
            for number, winner in run_slice(args, upper, lower, args.seed + start, games):
                stronger_side = "upper" if stronger_upper else "lower"
                # Odd games start from the position where the lower side owns the Nue King.
                nue_side = "lower" if number % 2 == 1 else "upper"
                pieces = "nue" if stronger_side == nue_side else "army"
                outcome = 2 if winner == "draw" else (0 if winner == stronger_side else 1)
                tally.add(pieces, outcome)
    return tally


def score_and_bar(wins, losses, draws):
    n = wins + losses + draws
    s = (wins + draws / 2) / n
    mean_square = (wins + draws / 4) / n
    bar = 1.96 * math.sqrt(max(mean_square - s * s, 0) / n)
    return s, bar


def elo(s):
    s = min(max(s, 0.001), 0.999)
    return -400 * math.log10(1 / s - 1)


def win_rate(counts):
    n = sum(counts)
    return f"{100 * counts[0] / n:5.1f}% ({counts[0]}-{counts[1]}-{counts[2]})" if n else "  -"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cli", default="build/test/cli/nuedori-cli")
    parser.add_argument("--pairs", default="3-4,4-5,5-6,6-7,7-8", help="weaker-stronger level pairs")
    parser.add_argument("--games", type=int, default=200, help="games a pair, half each way round")
    parser.add_argument("--slice", type=int, default=20, help="games a nuedori-cli run (even)")
    parser.add_argument("--strong-slice", type=int, default=2, help="the same for pairs with level 8")
    parser.add_argument("--limit", type=int, default=2000000, help="level 8's node budget a move")
    parser.add_argument("--plies", type=int, default=4, help="random plies at the start of each game")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--lock", help="a file to flock around each slice")
    parser.add_argument("--keep", help="a folder that keeps each slice's output")
    parser.add_argument("--check", action="store_true", help="check every move and record")
    args = parser.parse_args()
    if args.games % 4 != 0 or any(n % 2 != 0 or n <= 0 for n in (args.slice, args.strong_slice)):
        raise SystemExit("--games must be a multiple of 4 and the slices even")
    if args.keep:
        os.makedirs(args.keep, exist_ok=True)

    rows = []
    for low, high in parse_pairs(args.pairs):
        tally = play_pair(args, low, high)
        rows.append((low, high, tally))

    print(f"The ladder: {args.games} games a pair, {args.plies} random plies, seed {args.seed}, "
          f"level 8 at {args.limit} nodes a move")
    print()
    print("| pair | stronger's score | Elo | stronger with the Nue King | stronger with the army |"
          " weaker with the Nue King | weaker with the army |")
    print("|---|---|---|---|---|---|---|")
    ladder = {}
    for low, high, tally in rows:
        w, l, d = tally.total()
        s, bar = score_and_bar(w, l, d)
        e = elo(s)
        nue, army = tally.counts["nue"], tally.counts["army"]
        # The weaker level held the army where the stronger held the Nue King.
        weaker_nue = [army[1], army[0], army[2]]
        weaker_army = [nue[1], nue[0], nue[2]]
        print(f"| {high} vs {low} | {100 * s:.1f}% ± {100 * bar:.1f} ({w}-{l}-{d}) | "
              f"{e:+.0f} [{elo(s - bar):+.0f}, {elo(s + bar):+.0f}] | {win_rate(nue)} | {win_rate(army)} | "
              f"{win_rate(weaker_nue)} | {win_rate(weaker_army)} |")
        if low != high and (low in ladder or low == 3):
            ladder[high] = ladder.get(low, 0) + e
    if ladder:
        print()
        print("Elo above level 3 along the ladder: " +
              ", ".join(f"level {level} {value:+.0f}" for level, value in sorted(ladder.items())))


if __name__ == "__main__":
    main()
