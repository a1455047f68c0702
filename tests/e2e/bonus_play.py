"""Earns a bomb and a thunder on a started level with the mouse, and sets each off.

The game runs with --describe-board: the board (every cell's kind and group, which figures
hold a bonus) and whether a click would be taken now are read from that file, so each plan
works from the board as it is rather than from a guess at its pixels. The pictures are still
looked at for the flash of each blast, and kept.

  bomb     a group of five to seven leaves a bomb where it is clicked; figures of its kind
           are brought beside it, then it is clicked (after 12 moves without one, the
           charged hammer strikes it instead)
  thunder  four groups of one kind clicked in a row: the fourth leaves a thunder where it is
           clicked; set off the same way

usage: bonus_play.py WINDOW DESCRIPTION SHOTS
Prints "ok - ..." / "FAIL - ..." per check and exits 1 on a failure.
"""
import os
import sys
import time

import numpy as np

from x_window import XWindow, save_png

window, description, shots = sys.argv[1], sys.argv[2], sys.argv[3]
game = XWindow(window)
failed = False
started = time.monotonic()
DEBUG = bool(os.environ.get("AW_E2E_DEBUG"))
BOMB, THUNDER = 1, 2  # bonus types as the description writes them
MOVES = 60  # moves for each plan before it counts as failed
HAMMER_AFTER = 12  # moves spent bringing a bonus a neighbour of its kind before the hammer is used
HAMMER_BUTTON = (54, 370)  # on the game bar, in window pixels


def check(name, ok):
    global failed
    print("%s - %s [%.1fs]" % ("ok" if ok else "FAIL", name, time.monotonic() - started), flush=True)
    failed |= not ok
    return ok


def note(text):
    print("# " + text, flush=True)


# [SECTION] the described board

def state():
    """The last description: key -> value text, "cells" (row, column) -> dict and "bonuses"
    (row, column) -> type."""
    d = {"cells": {}, "bonuses": {}}
    try:
        with open(description) as f:
            lines = f.read().splitlines()
    except OSError:
        return d
    for line in lines:
        key, _, value = line.partition(" ")
        if key == "cell":
            r, c, kind, ground, lock, group, x, y = map(int, value.split())
            d["cells"][(r, c)] = dict(kind=kind, ground=ground, lock=lock, group=group, x=x, y=y)
        elif key == "bonus":
            r, c, kind = map(int, value.split())
            d["bonuses"][(r, c)] = kind
        else:
            d[key] = value
    return d


def wait_ready(timeout=20.0):
    """The board settled and taking clicks; None if the level ended or the wait ran out."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        s = state()
        if s.get("won") == "1" or s.get("lost") == "1":
            note("the level ended (won %s, lost %s)" % (s.get("won"), s.get("lost")))
            return None
        if s.get("ready") == "1" and s.get("transition") == "0" and s["cells"]:
            return s
        time.sleep(0.02)
    note("the board was not ready within %.0f s (scene %s, settled %s)" % (timeout, state().get("scene"),
                                                                        state().get("settled")))
    return None


def groups(s):
    """Groups of two or more: lists of cells."""
    found = {}
    for rc, cell in s["cells"].items():
        if cell["kind"] >= 0 and cell["group"] >= 0:
            found.setdefault(cell["group"], []).append(rc)
    return [sorted(g) for g in found.values() if len(g) >= 2]


def kind_of(s, rc):
    return s["cells"][rc]["kind"]


def plain(s, g):
    """A group holding no bonus: clicking it sets nothing off."""
    return not any(rc in s["bonuses"] for rc in g)


def find_bonus(s, kind):
    return next((rc for rc, k in sorted(s["bonuses"].items()) if k == kind), None)


def count_bonus(s, kind):
    return sum(k == kind for k in s["bonuses"].values())


def neighbours(s, r, c):
    for rc in ((r - 1, c), (r + 1, c), (r, c - 1), (r, c + 1)):
        if rc in s["cells"] and s["cells"][rc]["ground"] >= 0:
            yield rc


def fall(s, group, track=None):
    """Kinds after the group goes, as far as they are known: in each column what stands above
    the gap falls into it and unknown figures (-2) come in at the top (holes and slides are
    left out: this only ranks moves). Also where the figure at track ends up."""
    kinds = {rc: cell["kind"] for rc, cell in s["cells"].items()}
    rows = 1 + max(r for r, _ in kinds)
    columns = 1 + max(c for _, c in kinds)
    gone = set(group)
    out, moved = dict(kinds), track
    for c in range(columns):
        stay = [(r, kinds[(r, c)]) for r in range(rows) if (r, c) not in gone]
        for r in range(rows - len(stay)):
            out[(r, c)] = -2
        for (r, k), nr in zip(stay, range(rows - len(stay), rows)):
            out[(nr, c)] = k
            if track == (r, c):
                moved = (nr, c)
    return out, moved


def largest_after(s, group, limit):
    """The largest group of known figures, at most limit, the fall of group leaves."""
    kinds, _ = fall(s, group)
    seen, best = set(), 0
    for start, k in kinds.items():
        if k < 0 or start in seen:
            continue
        size, todo = 0, [start]
        seen.add(start)
        while todo:
            r, c = todo.pop()
            size += 1
            for rc in ((r - 1, c), (r + 1, c), (r, c - 1), (r, c + 1)):
                if kinds.get(rc) == k and rc not in seen:
                    seen.add(rc)
                    todo.append(rc)
        if size <= limit:
            best = max(best, size)
    return best


# [SECTION] clicks

def click_group(s, group, at=None):
    """Clicks the group at one of its cells and waits until the move has counted and the
    board is ready again. The pointer rests on the cell first: the group a click takes is the
    one the game has lit under the pointer. Returns the new state, or None."""
    at = at or group[0]
    cell = s["cells"][at]
    moves = s.get("moves")
    for _ in range(3):
        game.move(cell["x"], cell["y"])
        time.sleep(0.15)
        game.paced_click()
        end = time.monotonic() + 3
        while time.monotonic() < end and state().get("moves") == moves:
            time.sleep(0.02)
        s = wait_ready()
        if s is None:
            return None
        if s.get("moves") != moves:
            if DEBUG:
                note("move %s: %s at %s" % (s.get("moves"), group, at))
                save_png(game.grab(), "%s/bonus-move-%s.png" % (shots, s.get("moves")))
            return s
        # Not taken (the board was not ready after all): the same board, so the same click again.
    note("a click on %s was never taken" % (at,))
    return None


def stir(s, keep, score):
    """Clicks the plain group without keep whose fall scores best (score(kinds after, where
    keep went, group)), preferring those too small to earn a bomb."""
    options = [g for g in groups(s) if plain(s, g) and keep not in g]
    small = [g for g in options if len(g) < 5]
    options = small or options
    if not options:
        return None
    return click_group(s, max(options, key=lambda g: score(*fall(s, g, keep), g)))


# [SECTION] the pictures of a blast

def bomb_light(img, base, x, y):
    """How much brighter and warmer the board has become 36 to 64 pixels around the cell: a
    bomb's flash fills that ring, the glows of a resting bomb hardly reach it."""
    yy, xx = np.mgrid[0:img.shape[0], 0:img.shape[1]]
    d = np.hypot(xx - x, yy - y)
    ring = (d >= 36) & (d <= 64)
    return float(np.dot((img[ring] - base[ring]).mean(axis=0), [0.6, 0.4, 0.0]))


def thunder_light(s):
    """How many cells (not the thunder's own) flash blue-white at once: a thunder strikes every
    figure of its kind."""
    def light(img, base, x0, y0):
        lit = 0
        for cell in s["cells"].values():
            if cell["ground"] < 0 or (cell["x"], cell["y"]) == (x0, y0):
                continue
            x, y = cell["x"], cell["y"]
            d = (img[y - 8:y + 8, x - 8:x + 8] - base[y - 8:y + 8, x - 8:x + 8]).mean(axis=(0, 1))
            lit += d[2] > 45 and d.mean() > 30
        return float(lit)
    return light


def set_off(s, bonus, name, light):
    """Brings a figure of the bonus figure's kind beside it, clicks it there and keeps the
    brightest picture of the blast. Returns (the state after, whether it went, the light)."""
    for attempt in range(MOVES):
        at = find_bonus(s, bonus)
        if at is None:
            note("%s: the bonus is gone before its click" % name)
            return s, False, 0.0
        # Where nothing that falls brings one of its kind beside it (a bottom-row figure
        # changes neighbours only when they go themselves), the charged hammer strikes it.
        by_hammer = s["cells"][at]["group"] < 0 and attempt >= HAMMER_AFTER and s.get("hammer") == "1"
        if s["cells"][at]["group"] >= 0 or by_hammer:
            # A bomb's own group of five to seven leaves a new bomb on the clicked cell.
            size = sum(c["group"] == s["cells"][at]["group"] for c in s["cells"].values()) if not by_hammer else 1
            expected = count_bonus(s, bonus) - 1 + (bonus == BOMB and 5 <= size <= 7)
            note("%s: %s at %s after %d moves" % (name, "struck with the hammer" if by_hammer else "clicked", at, attempt))
            game.move(795, 595)  # the pointer off the board: nothing lit in the picture before
            time.sleep(0.3)
            base = game.grab()
            save_png(base, "%s/%s-before.png" % (shots, name))
            x, y = s["cells"][at]["x"], s["cells"][at]["y"]
            moves = s.get("moves")
            if by_hammer:
                game.move(*HAMMER_BUTTON)
                time.sleep(0.15)
                game.paced_click()
                time.sleep(0.2)
            game.move(x, y)
            time.sleep(0.15)
            game.paced_click()
            frames = []
            end = time.monotonic() + 0.8  # a blast is over within half a second: grab fast, look later
            while time.monotonic() < end:
                frames.append(game.grab())
                time.sleep(0.02)
            best = max(frames, key=lambda f: light(f, base, x, y))
            save_png(best, "%s/%s.png" % (shots, name))
            after = wait_ready()
            if after is None:
                return None, False, 0.0
            if (after.get("hammer") == "1") if by_hammer else (after.get("moves") == moves):
                note("%s: the click was not taken; again" % name)
                s = after
                continue
            return after, count_bonus(after, bonus) <= expected, light(best, base, x, y)
        kind = kind_of(s, at)

        # A fall that brings one of its kind beside it, else one that changes most around it,
        # else the group nearest to it.
        def score(after, moved, group):
            around = [rc for rc in ((moved[0] + dr, moved[1] + dc) for dr, dc in ((-1, 0), (1, 0), (0, -1), (0, 1)))
                      if rc in after]
            return (any(after[rc] == kind for rc in around),
                    sum(after[rc] != s["cells"][rc]["kind"] for rc in around if rc in s["cells"]),
                    -min(abs(r - moved[0]) + abs(c - moved[1]) for r, c in group))
        s = stir(s, at, score)
        if s is None:
            return None, False, 0.0
    note("%s: no figure of its kind came beside it in %d moves" % (name, MOVES))
    return s, False, 0.0


# [SECTION] earning

def earn_bomb(s):
    """Clicks a group of five to seven, made by stirring if the board has none. Returns the
    state with the bomb on it, or None."""
    for attempt in range(MOVES):
        if find_bonus(s, BOMB):
            note("bomb earned at %s after %d moves" % (find_bonus(s, BOMB), attempt))
            return s
        big = [g for g in groups(s) if plain(s, g) and 5 <= len(g) <= 7]
        if big:
            group = big[0]
            # The bomb stays where the group is clicked and falls with what goes under it:
            # clicked where the fall leaves one of its kind beside it, it can go off at once.
            kind = kind_of(s, group[0])

            def beside(p):
                kinds, moved = fall(s, [q for q in group if q != p], p)
                return any(kinds.get(rc) == kind for rc in neighbours(s, *moved))
            s = click_group(s, group, max(group, key=beside))
        else:
            s = stir(s, None, lambda _, __, g: largest_after(s, g, 7))
        if s is None:
            return None
    note("no bomb in %d moves" % MOVES)
    return None


def earn_thunder(s):
    """Clicks groups of one kind in a row until a thunder stands on the board: the kind with
    the most groups, its highest group first (a fall moves only what stands above the gap, so
    the others stay). A click the streak cannot go on from starts it again with another kind.
    Returns the state with the thunder on it, or None."""
    kind = None
    for attempt in range(MOVES):
        if find_bonus(s, THUNDER):
            note("thunder earned at %s after %d moves" % (find_bonus(s, THUNDER), attempt))
            return s
        options = [g for g in groups(s) if plain(s, g)]
        mine = [g for g in options if kind_of(s, g[0]) == kind]
        if not mine:
            counts = {}
            for g in options:
                counts[kind_of(s, g[0])] = counts.get(kind_of(s, g[0]), 0) + (len(g) < 5)
            if not counts:
                note("no plain group to click")
                return None
            kind = max(counts, key=counts.get)
            mine = [g for g in options if kind_of(s, g[0]) == kind]
        small = [g for g in mine if len(g) < 5] or mine
        group = min(small, key=lambda g: max(r for r, _ in g))
        s = click_group(s, group)
        if s is None:
            return None
    note("no thunder in %d moves" % MOVES)
    return None


def main():
    s = wait_ready(60)
    if not check("the described board is ready for clicks", s is not None):
        sys.exit(1)
    game.move(795, 595)
    time.sleep(0.3)
    save_png(game.grab(), "%s/bonus-board.png" % shots)

    s = earn_bomb(s)
    if check("a group of five to seven earns a bomb", s is not None):
        s, gone, lit = set_off(s, BOMB, "bomb-blast", bomb_light)
        check("the bomb goes off", gone)
        check("the bomb goes off with its flash (%.0f)" % lit, lit >= 30)
    if s is not None:
        s = earn_thunder(s)
        if check("four groups of one kind in a row earn a thunder", s is not None):
            s, gone, lit = set_off(s, THUNDER, "thunder-strike", thunder_light(s))
            check("the thunder goes off", gone)
            check("the thunder strikes its kind across the board (%d cells flash)" % lit, lit >= 3)
    note("bonuses played in %.1f s" % (time.monotonic() - started))
    sys.exit(1 if failed else 0)


main()
