#!/usr/bin/env python3
"""Sets every level's time and move limits from measured play.

The autoplayer clears each level in timeless mode (no limit) over calibration
seeds that the full check does not use, thinking before every click as in the
adventure check. A level's limits are then the quantiles of the measured moves
and seconds that let the intended share of runs win: high in the first
stages, lower later, a little lower towards the end of every stage. The limits
go to tools/levelgen/limits.txt and the level files are written again.

    tools/levelcheck/tune.py                    # measure and tune all levels
    tools/levelcheck/tune.py --reuse            # tune again from the last measurement
"""
import argparse
import json
import math
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import simrun  # noqa: E402

LIMITS = os.path.join(simrun.ROOT, "tools", "levelgen", "limits.txt")
GENERATOR = os.path.join(simrun.ROOT, "tools", "levelgen", "levelgen.py")
# Above these the candle gauge (time / 600 s, moves / 300) would overflow.
MAX_TIME_MS = 600000
MAX_MOVES = 300


def intended_win_share(number):
    """The win share the course aims at for a level (1-based number)."""
    index = number - 1
    stage = simrun.stage_of(index)
    first = sum(simrun.STAGE_SIZES[:stage])
    size = simrun.STAGE_SIZES[stage]
    within = (index - first) / (size - 1)
    return 0.97 - 0.40 * index / 128 - 0.06 * within


def time_factor(n):
    return 0.9 + 110 / (32 * math.sqrt(n) - 5.5 * n + 0.08 * n * n)


def move_factor(n):
    return 1 + 29 / (20 * math.sqrt(n) - 5.5 * n + 0.3 * n * n)


def base_moves(number, limit):
    """Smallest "moves=" value whose scaled move limit reaches limit."""
    if number <= 2:
        return math.ceil(limit / 2)
    m = max(1, math.floor(limit / move_factor(number)))
    while int(m * move_factor(number)) < limit:
        m += 1
    return m


def base_time(number, limit_ms):
    """Smallest whole "time=" value (seconds) whose scaled limit reaches limit_ms."""
    if number <= 2:
        return 60  # the first two levels have fixed limits in adventure
    return max(1, math.ceil(limit_ms / (1000 * time_factor(number)) - 1e-9))


def quantile(values, share):
    ordered = sorted(values)
    k = max(1, math.ceil(share * len(ordered)))
    return ordered[k - 1]


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--seeds", type=int, default=60)
    ap.add_argument("--first-seed", type=int, default=1001)
    ap.add_argument("--think", type=float, default=1500)
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--levels", default="1-129")
    ap.add_argument("--max-time", type=float, default=1800000)
    ap.add_argument("--cache", default=os.path.join(simrun.ROOT, "build", "level-calibration.json"))
    ap.add_argument("--reuse", action="store_true", help="tune from the cached measurement")
    ap.add_argument("--build", default=None)
    args = ap.parse_args()

    numbers = []
    for part in args.levels.split(","):
        a, _, b = part.partition("-")
        numbers.extend(range(int(a), int(b or a) + 1))

    cache = {}
    if os.path.exists(args.cache):
        cache = json.load(open(args.cache))
    if not args.reuse:
        sim = simrun.find_sim(args.build)
        seeds = range(args.first_seed, args.first_seed + args.seeds)
        results = simrun.run_many(args.jobs, sim, numbers, ["timeless"], seeds, args.think,
                                  args.max_time,
                                  progress=lambda s: print("tune: " + s, file=sys.stderr))
        for n in numbers:
            cache[str(n)] = [r for r in results if r["level"] == n]
        os.makedirs(os.path.dirname(args.cache), exist_ok=True)
        json.dump(cache, open(args.cache, "w"))

    limits = {}
    if os.path.exists(LIMITS):
        for raw in open(LIMITS):
            raw = raw.split("#", 1)[0].split()
            if raw:
                limits[int(raw[0])] = raw[1:]
    status = 0
    for n in numbers:
        runs = cache.get(str(n))
        if not runs:
            print("tune: level %d was not measured" % n, file=sys.stderr)
            status = 1
            continue
        inf = float("inf")
        moves = [r["moves"] if r["outcome"] == "won" else inf for r in runs]
        times = [r["time_ms"] if r["outcome"] == "won" else inf for r in runs]
        share = intended_win_share(n)
        move_limit = quantile(moves, share)
        time_limit = quantile(times, share) + 250
        if math.isinf(move_limit) or math.isinf(time_limit):
            print("tune: level %d is cleared too rarely to tune" % n, file=sys.stderr)
            status = 1
            continue
        if move_limit > MAX_MOVES or time_limit > MAX_TIME_MS:
            print("tune: level %d needs %d moves / %.0f s, beyond the gauge"
                  % (n, move_limit, time_limit / 1000), file=sys.stderr)
        limits[n] = ["time=%d" % base_time(n, time_limit), "moves=%d" % base_moves(n, move_limit)]
        print("level %3d: aim %2.0f %%, moves %3d -> moves=%s, %5.1f s -> %s" % (
            n, 100 * share, move_limit, limits[n][1][6:], time_limit / 1000, limits[n][0]))
    with open(LIMITS, "w") as f:
        f.write("# level, base time (s) and base moves; written by tools/levelcheck/tune.py\n")
        for n in sorted(limits):
            f.write("%d %s\n" % (n, " ".join(limits[n])))
    subprocess.run([sys.executable, GENERATOR, "--quiet"], check=True)
    return status


if __name__ == "__main__":
    sys.exit(main())
