#!/usr/bin/env python3
"""Plays every level with the simulator's autoplayer and charts the win rates.

For each level: SEEDS runs in puzzle (move limit), in adventure (time limit,
THINK ms of thought before every click) and in timeless (no limit). Writes
docs/levels/winrates.csv, docs/levels/README.md (table and per-stage summary)
and docs/levels/difficulty.png (gnuplot). Fails when a level is never won in a
limited mode or is not always cleared in timeless.

    tools/levelcheck/levelcheck.py                 # the full check, 20 seeds
    tools/levelcheck/levelcheck.py --seeds 4 --levels 10-20 --out /tmp/lc
    tools/levelcheck/levelcheck.py --reuse         # the report again from the kept runs
"""
import argparse
import csv
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import simrun  # noqa: E402

MODES = ("puzzle", "adventure", "timeless")
STAGE_TITLES_FROM = os.path.join(simrun.ROOT, "tools", "levelgen", "course.txt")


def parse_range(text):
    numbers = []
    for part in text.split(","):
        a, _, b = part.partition("-")
        numbers.extend(range(int(a), int(b or a) + 1))
    return numbers


def stage_notes(path):
    """Stage titles and design notes from the course description."""
    notes = []
    if not os.path.exists(path):
        return notes
    for line in open(path, encoding="ascii"):
        if line.startswith("stage "):
            notes.append([line.partition(" title=")[2].strip(), ""])
        elif line.startswith("note:") and notes:
            notes[-1][1] = line[len("note:"):].strip()
    return notes


def summarise(results):
    rows = {}
    for r in results:
        row = rows.setdefault(r["level"], {})
        agg = row.setdefault(r["mode"], {"runs": 0, "won": 0, "moves": 0, "time": 0})
        agg["runs"] += 1
        if r["outcome"] == "won":
            agg["won"] += 1
            agg["moves"] += r["moves"]
            agg["time"] += r["time_ms"]
    table = []
    for level in sorted(rows):
        entry = {"level": level, "stage": simrun.stage_of(level - 1) + 1}
        for mode, agg in rows[level].items():
            entry[mode + "_win"] = agg["won"] / agg["runs"]
            entry[mode + "_runs"] = agg["runs"]
            entry[mode + "_moves"] = agg["moves"] / agg["won"] if agg["won"] else 0.0
            entry[mode + "_time"] = agg["time"] / agg["won"] / 1000 if agg["won"] else 0.0
        table.append(entry)
    return table


def faults(table):
    found = []
    for e in table:
        for mode in ("puzzle", "adventure"):
            if mode + "_win" in e and e[mode + "_win"] == 0:
                found.append("level %d is never won in %s" % (e["level"], mode))
        if "timeless_win" in e and e["timeless_win"] < 1:
            found.append("level %d is not always cleared in timeless (%.0f %%)"
                         % (e["level"], 100 * e["timeless_win"]))
    return found


def write_csv(table, path):
    fields = ["level", "stage"]
    for mode in MODES:
        fields += [mode + "_win", mode + "_moves", mode + "_time"]
    with open(path, "w", newline="") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(fields)
        for e in table:
            w.writerow([e["level"], e["stage"]] + [
                ("%.3f" % e[k] if isinstance(e.get(k), float) else e.get(k, ""))
                for k in fields[2:]])


def stage_summary(table):
    out = []
    for s in sorted({e["stage"] for e in table}):
        es = [e for e in table if e["stage"] == s]
        mean = lambda k: sum(e.get(k, 0) for e in es) / len(es)
        out.append((s, es[0]["level"], es[-1]["level"], mean("puzzle_win"),
                    mean("adventure_win"), mean("timeless_win"),
                    min(e.get("puzzle_win", 0) for e in es),
                    min(e.get("adventure_win", 0) for e in es),
                    mean("puzzle_moves")))
    return out


def write_markdown(table, args, path):
    notes = stage_notes(STAGE_TITLES_FROM)
    lines = ["# Level difficulty", "",
             "Measured by `tools/levelcheck/levelcheck.py`: the simulator's autoplayer plays "
             "every level %d times per mode (seeds %d..%d); in adventure it thinks %g ms "
             "before every click. It strikes with the hammer when it is ready and a figure on "
             "a square belongs to no group (a strike "
             "is not a move). The limits were set by `tools/levelcheck/tune.py` from other "
             "seeds (1001 on), so these runs are a fair test of them. Win shares are the "
             "share of runs won; moves and seconds are means over the won runs."
             % (args.seeds, args.first_seed, args.first_seed + args.seeds - 1, args.think),
             "", "![Win rates per level](difficulty.png)", "", "## Stages", "",
             "| Stage | Levels | Puzzle win | Adventure win | Timeless win | Lowest puzzle | "
             "Lowest adventure | Mean puzzle moves |",
             "|---|---|---|---|---|---|---|---|"]
    for s, first, last, pw, aw, tw, pmin, amin, pm in stage_summary(table):
        title = notes[s - 1][0] if s - 1 < len(notes) else ""
        lines.append("| %d %s | %d-%d | %.0f %% | %.0f %% | %.0f %% | %.0f %% | %.0f %% | %.1f |"
                     % (s, title, first, last, 100 * pw, 100 * aw, 100 * tw, 100 * pmin,
                        100 * amin, pm))
    lines += ["", "## Design of each stage", ""]
    for i, (title, note) in enumerate(notes, 1):
        lines.append("%d. **%s**: %s" % (i, title, note))
    lines += ["", "## Levels", "",
              "| Level | Stage | Puzzle win | Puzzle moves | Adventure win | Adventure s | "
              "Timeless win | Timeless moves |", "|---|---|---|---|---|---|---|---|"]
    for e in table:
        lines.append("| %d | %d | %.0f %% | %.1f | %.0f %% | %.1f | %.0f %% | %.1f |" % (
            e["level"], e["stage"], 100 * e.get("puzzle_win", 0), e.get("puzzle_moves", 0),
            100 * e.get("adventure_win", 0), e.get("adventure_time", 0),
            100 * e.get("timeless_win", 0), e.get("timeless_moves", 0)))
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


GNUPLOT = r"""
set terminal pngcairo size 1200,700 font ",11"
set output '{png}'
set datafile separator ','
set key outside top center horizontal
set multiplot layout 2,1
set title 'Amberwick levels: share of autoplayed runs won'
set ylabel 'win share (%)'
set yrange [0:105]
set xrange [0.5:129.5]
set xtics 0,10,130
set grid ytics
{stage_lines}
plot '{csv}' every ::1 using 1:($3*100) with linespoints pt 7 ps 0.6 lc rgb '#1f77b4' title 'puzzle (move limit)', \
     '' every ::1 using 1:($6*100) with linespoints pt 5 ps 0.6 lc rgb '#d62728' title 'adventure (time limit)', \
     '' every ::1 using 1:($9*100) with lines lc rgb '#2ca02c' dt 2 title 'timeless'
set title 'Mean moves of won runs'
set ylabel 'moves'
set autoscale y
set yrange [0:*]
plot '{csv}' every ::1 using 1:4 with linespoints pt 7 ps 0.6 lc rgb '#1f77b4' title 'puzzle', \
     '' every ::1 using 1:7 with linespoints pt 5 ps 0.6 lc rgb '#d62728' title 'adventure', \
     '' every ::1 using 1:10 with lines lc rgb '#2ca02c' dt 2 title 'timeless'
unset multiplot
"""


def write_chart(csv_path, png_path):
    starts, total = [], 0
    for size in simrun.STAGE_SIZES[:-1]:
        total += size
        starts.append(total + 0.5)
    stage_lines = "\n".join("set arrow from %g,graph 0 to %g,graph 1 nohead lc rgb '#bbbbbb' dt 3"
                            % (x, x) for x in starts)
    script = GNUPLOT.format(png=png_path, csv=csv_path, stage_lines=stage_lines)
    subprocess.run(["gnuplot"], input=script, text=True, check=True)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--seeds", type=int, default=20)
    ap.add_argument("--first-seed", type=int, default=1)
    ap.add_argument("--think", type=float, default=1500)
    ap.add_argument("--levels", default="1-129")
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--max-time", type=float, default=1800000,
                    help="simulated ms before a run counts as not cleared")
    ap.add_argument("--build", default=None, help="build directory holding amberwick-sim")
    ap.add_argument("--out", default=os.path.join(simrun.ROOT, "docs", "levels"))
    ap.add_argument("--runs", default=os.path.join(simrun.ROOT, "build", "level-check.json"),
                    help="where every run's outcome is kept for a closer look")
    ap.add_argument("--reuse", action="store_true",
                    help="write the report again from the runs kept by the last check")
    args = ap.parse_args()

    if args.reuse:
        with open(args.runs) as f:
            results = json.load(f)
    else:
        sim = simrun.find_sim(args.build)
        seeds = range(args.first_seed, args.first_seed + args.seeds)
        results = simrun.run_many(args.jobs, sim, parse_range(args.levels), MODES, seeds,
                                  args.think, args.max_time,
                                  progress=lambda s: print("levelcheck: " + s, file=sys.stderr))
        os.makedirs(os.path.dirname(os.path.abspath(args.runs)), exist_ok=True)
        with open(args.runs, "w") as f:
            json.dump(results, f)
    table = summarise(results)
    os.makedirs(args.out, exist_ok=True)
    csv_path = os.path.join(args.out, "winrates.csv")
    write_csv(table, csv_path)
    write_markdown(table, args, os.path.join(args.out, "README.md"))
    write_chart(csv_path, os.path.join(args.out, "difficulty.png"))
    for s, first, last, pw, aw, tw, pmin, amin, pm in stage_summary(table):
        print("stage %2d (%3d-%3d): puzzle %3.0f %% (min %3.0f), adventure %3.0f %% (min %3.0f), "
              "timeless %3.0f %%" % (s, first, last, 100 * pw, 100 * pmin, 100 * aw, 100 * amin,
                                     100 * tw))
    problems = faults(table)
    for p in problems:
        print("levelcheck: " + p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
