#!/usr/bin/env python3
"""Writes the level files data/levels/pack1_NN.lvl from the course description.

The layouts are drawn by hand in course.txt; the time and move limits live in
limits.txt (tuned against the autoplayer by tools/levelcheck). Running this
script again reproduces the committed files byte for byte:

    tools/levelgen/levelgen.py            # write data/levels/
    tools/levelgen/levelgen.py --check    # fail if a file differs
"""
import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
ROWS, COLS = 11, 12
LEVEL_COUNT = 129
STAGE_SIZES = [4, 5, 6, 7, 8, 9] + [10] * 9

# Look names by display slot; a slot's colour is slot mod 8.
LOOK_NAMES = ["coins", "nugget", "perl", "perls", "rings2", "rings3", "sack", "scepter",
              "bracelet", "brooch1", "crown", "dagger", "goblet", "locket1", "pot",
              "rings1", "diamond"]
COLOURS = ["aqua", "blue", "green", "red", "orange", "lilac", "white", "yellow"]
# "perl" is a prefix of "perls"; a reader that compares prefixes could take one
# for the other, so the generator never writes "perls".
AVOID_SLOTS = {3}

# Description-only symbols for the two bonus kinds whose codes are not ASCII.
BONUS_BASE = {"diag": 0xC0, "super": 0xD0}
LEGEND_SYMBOLS = "*+#&$%@!"


class CourseError(Exception):
    pass


def cell_info(code):
    """(ground, lock, kind) of one level-file cell code byte; kind -1 for none."""
    if code == ord("."):
        return (-1, 0, -1)
    if code == ord("1"):
        return (1, 0, -1)
    if code == ord("2"):
        return (2, 0, -1)
    for first, count in ((ord("A"), 15), (ord("Q"), 15), (ord("a"), 15), (ord("q"), 10),
                         (0xC0, 15), (0xD0, 15)):
        if first <= code < first + count:
            return (2, 1, code - first)
    return (0, 0, -1)


def parse_options(words, where):
    opts = {}
    for w in words:
        if "=" in w:
            k, v = w.split("=", 1)
            opts[k] = v
        else:
            opts[w] = True
    return opts


def parse_course(path):
    stages, levels = [], []
    stage = None
    lines = open(path, encoding="ascii").read().split("\n")
    i = 0
    while i < len(lines):
        raw = lines[i].rstrip()
        i += 1
        if not raw or raw.startswith("#"):
            continue
        words = raw.split()
        where = "%s:%d" % (os.path.basename(path), i)
        if words[0] == "stage":
            head, _, title = raw.partition(" title=")
            opts = parse_options(head.split()[2:], where)
            stage = {"number": int(words[1]), "back": int(opts["back"]),
                     "kinds": int(opts["kinds"]), "looks": opts["looks"].split(","),
                     "title": title.strip(), "note": "", "levels": []}
            stages.append(stage)
        elif words[0] == "note:":
            stage["note"] = raw[len("note:"):].strip()
        elif words[0] == "level":
            if stage is None:
                raise CourseError("%s: level before any stage" % where)
            opts = parse_options(words[2:], where)
            rows = []
            while len(rows) < ROWS:
                if i >= len(lines):
                    raise CourseError("%s: grid ends early" % where)
                rows.append(lines[i].rstrip())
                i += 1
            level = {"number": int(words[1]), "stage": stage, "opts": opts,
                     "rows": rows, "where": where}
            stage["levels"].append(level)
            levels.append(level)
        else:
            raise CourseError("%s: unknown line %r" % (where, raw))
    return stages, levels


def parse_limits(path):
    limits = {}
    for n, raw in enumerate(open(path, encoding="ascii"), 1):
        raw = raw.split("#", 1)[0].strip()
        if not raw:
            continue
        words = raw.split()
        opts = parse_options(words[1:], "%s:%d" % (path, n))
        limits[int(words[0])] = (opts["time"], int(opts["moves"]))
    return limits


def legend_of(opts, where):
    legend = {}
    for key, value in opts.items():
        if len(key) == 1 and key in LEGEND_SYMBOLS:
            for base_name, base in BONUS_BASE.items():
                if value.startswith(base_name):
                    legend[key] = base + int(value[len(base_name):])
                    break
            else:
                raise CourseError("%s: bad legend %s=%s" % (where, key, value))
    return legend


def grid_codes(level):
    """The 11 x 12 cell code bytes of a level, mirrored when asked."""
    where = level["where"]
    legend = legend_of(level["opts"], where)
    mirror = "mirror" in level["opts"]
    grid = []
    for r, row in enumerate(level["rows"]):
        if mirror:
            if len(row) != COLS // 2:
                raise CourseError("%s: row %d needs %d cells (mirrored)" % (where, r, COLS // 2))
            row = row + row[::-1]
        elif len(row) != COLS:
            raise CourseError("%s: row %d needs %d cells" % (where, r, COLS))
        codes = []
        for ch in row:
            if ch in legend:
                codes.append(legend[ch])
            elif ch == "." or "0" <= ch <= "z":
                codes.append(ord(ch))
            else:
                raise CourseError("%s: row %d has unknown cell %r" % (where, r, ch))
        grid.append(codes)
    flip = level["opts"].get("flip", "")
    if "h" in flip:
        grid = [row[::-1] for row in grid]
    if "v" in flip:
        grid = grid[::-1]
    return grid


def check_grid(grid, kinds, where, warnings):
    cells = [[cell_info(c) for c in row] for row in grid]
    exists = lambda r, c: 0 <= r < ROWS and 0 <= c < COLS and cells[r][c][0] >= 0
    squares = 0
    for r in range(ROWS):
        for c in range(COLS):
            ground, lock, kind = cells[r][c]
            if ground < 0:
                continue
            squares += max(ground, 0)
            if kind >= kinds:
                raise CourseError("%s: chained kind %d at (%d,%d) but only %d kinds"
                                  % (where, kind, r, c, kinds))
            if not any(exists(r + dr, c + dc) for dr, dc in ((0, 1), (0, -1), (1, 0), (-1, 0))):
                raise CourseError("%s: cell (%d,%d) has no neighbour" % (where, r, c))
    if squares == 0:
        raise CourseError("%s: no square" % where)
    # Cells that can receive a figure while every chain still holds: an empty cell
    # under a chained figure is only reached by a diagonal slide.
    fill = [[False] * COLS for _ in range(ROWS)]
    for r in range(ROWS):
        for c in range(COLS):
            if not exists(r, c):
                continue
            if cells[r][c][1]:
                fill[r][c] = True
                continue
            if r == 0 or not exists(r - 1, c):
                fill[r][c] = True
            elif not cells[r - 1][c][1] and fill[r - 1][c]:
                fill[r][c] = True
            else:
                for dc in (1, -1):
                    cc = c + dc
                    if exists(r - 1, cc) and not cells[r - 1][cc][1] and fill[r - 1][cc]:
                        fill[r][c] = True
    for r in range(ROWS):
        for c in range(COLS):
            if exists(r, c) and not fill[r][c] and cells[r][c][0] > 0:
                warnings.append("%s: square (%d,%d) cannot be filled until a chain breaks"
                                % (where, r, c))
    # Small separate pieces freeze when they hold no group; warn about them.
    seen = set()
    for r in range(ROWS):
        for c in range(COLS):
            if exists(r, c) and (r, c) not in seen:
                stack, size = [(r, c)], 0
                seen.add((r, c))
                while stack:
                    rr, cc = stack.pop()
                    size += 1
                    for dr, dc in ((0, 1), (0, -1), (1, 0), (-1, 0)):
                        nr, nc = rr + dr, cc + dc
                        if exists(nr, nc) and (nr, nc) not in seen:
                            seen.add((nr, nc))
                            stack.append((nr, nc))
                if size < 12:
                    warnings.append("%s: piece at (%d,%d) has only %d cells" % (where, r, c, size))
    return squares


def look_keys(kinds, looks, where):
    """The "figure%i=" keys that give kind i the colour looks[i], in file order."""
    if len(looks) < kinds:
        raise CourseError("%s: %d looks for %d kinds" % (where, len(looks), kinds))
    wanted = [COLOURS.index(name) for name in looks[:kinds]]
    if len(set(wanted)) != kinds:
        raise CourseError("%s: two kinds share a colour" % where)
    table = list(range(17))
    keys = []
    for i, colour in enumerate(wanted):
        if table[i] % 8 == colour:
            continue
        # Swapping with a slot of an earlier kind would undo that kind's look.
        for slot in (colour, colour + 8):
            if slot not in AVOID_SLOTS and not (slot < kinds and slot < i):
                break
        table[i], table[slot] = slot, i
        keys.append((i, LOOK_NAMES[slot]))
    got = [table[i] % 8 for i in range(kinds)]
    if got != wanted:
        raise CourseError("%s: looks %s came out as %s" % (where, wanted, got))
    return keys


def stage_of(index):
    total = 0
    for s, size in enumerate(STAGE_SIZES):
        total += size
        if index < total:
            return s
    return len(STAGE_SIZES)


def level_text(level, limits, warnings):
    where = level["where"]
    stage = level["stage"]
    opts = level["opts"]
    kinds = int(opts.get("kinds", stage["kinds"]))
    looks = opts["looks"].split(",") if "looks" in opts else stage["looks"]
    grid = grid_codes(level)
    check_grid(grid, kinds, where, warnings)
    if level["number"] not in limits:
        raise CourseError("%s: level %d has no limits" % (where, level["number"]))
    time_s, moves = limits[level["number"]]
    back = int(opts.get("back", stage["back"]))
    if not 1 <= back <= 15:
        raise CourseError("%s: background %d outside 1..15" % (where, back))
    out = bytearray()
    line = lambda s: out.extend(s.encode("ascii") + b"\r\n")
    line("figures=%d" % kinds)
    for i, name in look_keys(kinds, looks, where):
        line("figure%d=%s" % (i, name))
    line("time=%s" % time_s)
    line("moves=%d" % moves)
    line("back=%d" % back)
    line("level=")
    for row in grid:
        out.extend(bytes(row) + b"\r\n")
    return bytes(out)


def build(course, limits_path):
    stages, levels = parse_course(course)
    numbers = [lv["number"] for lv in levels]
    if numbers != list(range(1, LEVEL_COUNT + 1)):
        raise CourseError("levels must be numbered 1..%d in order" % LEVEL_COUNT)
    if [len(s["levels"]) for s in stages] != STAGE_SIZES:
        raise CourseError("stage sizes %s, want %s" % ([len(s["levels"]) for s in stages],
                                                        STAGE_SIZES))
    limits = parse_limits(limits_path)
    warnings = []
    files = {}
    for lv in levels:
        files["pack1_%02d.lvl" % lv["number"]] = level_text(lv, limits, warnings)
    return stages, files, warnings


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--course", default=os.path.join(HERE, "course.txt"))
    ap.add_argument("--limits", default=os.path.join(HERE, "limits.txt"))
    ap.add_argument("--out", default=os.path.join(ROOT, "data", "levels"))
    ap.add_argument("--check", action="store_true", help="compare instead of writing")
    ap.add_argument("--quiet", action="store_true")
    args = ap.parse_args()
    try:
        _, files, warnings = build(args.course, args.limits)
    except (CourseError, KeyError, ValueError) as e:
        print("levelgen: %s" % e, file=sys.stderr)
        return 1
    if not args.quiet:
        for w in warnings:
            print("levelgen: warning: %s" % w, file=sys.stderr)
    differ = 0
    for name, data in sorted(files.items()):
        path = os.path.join(args.out, name)
        if args.check:
            old = open(path, "rb").read() if os.path.exists(path) else None
            if old != data:
                print("levelgen: %s differs" % name, file=sys.stderr)
                differ += 1
        else:
            os.makedirs(args.out, exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)
    if args.check and differ:
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
