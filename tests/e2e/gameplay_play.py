"""Plays a started level with the mouse, as a player would, and reports.

usage: gameplay_play.py WINDOW LEVELFILE SHOTS SCENARIO
  groups   the board at rest, a hovered group, a click and the falling
           figures, a click on a single figure, then the level played to its win
  bonuses  a bomb earned with a group of five or more and set off, then a
           thunder earned with four clicks in a row on one kind and set off
Prints "ok - ..." / "FAIL - ..." per check and exits 1 on a failure.
"""
import random
import subprocess
import sys
import time

import numpy as np

import board_reader as br

window, level_file, shots, scenario = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4]
ground = br.read_level(level_file)
looks = []  # the colour of every kind, from the first board
failed = False


def check(name, ok):
    global failed
    print(("ok - " if ok else "FAIL - ") + name, flush=True)
    failed |= not ok


def note(text):
    print("# " + text, flush=True)


def move(x, y):
    subprocess.run(["xdotool", "mousemove", "--window", window, str(x), str(y)], check=True)


def click_cell(r, c):
    x, y = br.cell_centre(r, c)
    # A short rest on the cell first, as a hand would make.
    subprocess.run(["xdotool", "mousemove", "--window", window, str(x), str(y), "sleep", "0.08", "click", "1"],
                   check=True)


def shot(name):
    return br.capture(window, "%s/%s.png" % (shots, name))


def settle():
    """Waits until the board stands still: two looks in a row see the same figures."""
    move(795, 595)
    time.sleep(0.6)
    last = None
    for _ in range(20):
        br.grab(window, shots + "/settle.png")
        kinds = br.classify(br.develop(shots + "/settle.png", keep=False), ground, refs=list(looks))
        br.drop_grab(shots + "/settle.png")
        if kinds == last:
            return
        last = kinds
        time.sleep(0.15)


def click_group(group, kinds, at=None):
    """Clicks a group (at one of its cells) and waits for the board. A click that found the
    board still moving leaves the group as it was: it is made again. Returns the new board."""
    at = at or group[0]
    for _ in range(3):
        click_cell(*at)
        settle()
        img, now = board_now("work")
        if any(now[r][c] != kinds[r][c] for r, c in group):
            return img, now
    return img, now


def board_now(name="work"):
    """The board with the pointer parked off it, so no group is highlighted."""
    move(795, 595)
    time.sleep(0.15)
    img = shot(name)
    # The first board sets the looks of the kinds; later boards only borrow them.
    return img, br.classify(img, ground, refs=looks if not looks else list(looks))


def region_change(a, b, x0, y0, x1, y1):
    return float(np.abs(a[y0:y1, x0:x1] - b[y0:y1, x0:x1]).mean())


def neighbours(r, c):
    for a, b in ((r - 1, c), (r + 1, c), (r, c - 1), (r, c + 1)):
        if 0 <= a < br.ROWS and 0 <= b < br.COLUMNS and ground[a][b] >= 0:
            yield a, b


def lowest(group):
    """The group's lowest cell: clicked there, the figure that stays has no gap beneath it."""
    return max(group, key=lambda p: (p[0], -p[1]))


# [SECTION] groups

def play_groups():
    img0, kinds = board_now("board-at-rest")
    groups = br.groups(kinds)
    check("the board at rest shows groups to click (%d)" % len(groups), len(groups) > 0)
    if not groups:
        return
    small = [g for g in groups if len(g) < 5] or groups
    group = max(small, key=len)
    r, c = group[0]
    move(*br.cell_centre(r, c))
    time.sleep(0.4)
    hover = shot("hovered-group")
    lit = [region_change(hover, img0, x - 27, y - 27, x + 27, y + 27) for x, y in (br.cell_centre(*p) for p in group)]
    others = [region_change(hover, img0, x - 27, y - 27, x + 27, y + 27)
              for x, y in (br.cell_centre(a, b) for a in range(br.ROWS) for b in range(br.COLUMNS)
                           if ground[a][b] >= 0 and (a, b) not in group)]
    check("the hovered group lights up (%.1f against %.1f elsewhere)" % (min(lit), float(np.median(others))),
          min(lit) > 3 * float(np.median(others)) + 2)

    score_box = (10, 40, 115, 62)  # window pixels of the score value
    subprocess.run(["xdotool", "click", "1"], check=True)
    time.sleep(0.16)
    falling = shot("figures-falling")
    settle()
    img1, kinds1 = board_now("after-click")
    moved = [region_change(falling, img1, x - 24, y - 24, x + 24, y + 24)
             for x, y in (br.cell_centre(a, b) for a, b in group)]
    check("figures are still falling into the gap 160 ms after the click", max(moved) > 8)
    changed = sum(1 for a, b in group if kinds1[a][b] != kinds[a][b])
    check("the clicked group is gone: %d of its %d cells hold other figures" % (changed, len(group)), changed >= 1)
    check("the score counts", region_change(img1, img0, *score_box) > 4)
    lone = [(a, b) for a in range(br.ROWS) for b in range(br.COLUMNS)
            if kinds1[a][b] >= 0 and all(kinds1[x][y] != kinds1[a][b] for x, y in neighbours(a, b))]
    if lone:
        click_cell(*lone[0])
        settle()
        img2, _ = board_now("after-single")
        check("a click on a single figure changes nothing on the board",
              region_change(img2, img1, 130, 0, 800, 600) < 2.5)
    play_to_win()


def play_to_win():
    """Clicks the groups that lie on the most squares until no square is left."""
    for move_number in range(150):
        img, kinds = board_now("work")
        left = br.squares(img, ground)
        groups = br.groups(kinds)
        if not left or not groups:
            break
        group = max(groups, key=lambda g: (len(left & set(g)), -len(g)))
        if not left & set(group):
            # None lies on a square: take one under the squares, so new figures drop onto them.
            under = lambda g: sum(1 for r, c in g if any(c == sc and r > sr for sr, sc in left))
            group = max(groups, key=lambda g: (under(g), -len(g)))
        click_group(group, kinds)
    img, _ = board_now("work")
    won = not br.squares(img, ground)
    check("every square is broken (%d moves)" % move_number, won)
    if not won:
        return
    time.sleep(0.7)
    shot("level-won")  # the figures fly off under "level complete"
    time.sleep(5.0)
    img = shot("level-won-prompt")
    check("the level is won: its figures have left the board", br.figure_cells(img, ground, looks) < 10)


# [SECTION] bonuses

def bomb_light(img, base, at):
    """How much brighter and warmer the board has become 40 to 90 pixels around the cell: a
    bomb's flash fills that ring, the glow of a resting bomb stays inside it."""
    x, y = br.cell_centre(*at)
    yy, xx = np.mgrid[0:img.shape[0], 0:img.shape[1]]
    d = np.hypot(xx - x, yy - y)
    ring = (d >= 40) & (d <= 90)
    return float(np.dot((img[ring] - base[ring]).mean(axis=0), [0.6, 0.4, 0.0]))


def thunder_light(img, base, at):
    """How many cells flash blue-white at once: a thunder strikes every figure of its kind."""
    lit = 0
    for r in range(br.ROWS):
        for c in range(br.COLUMNS):
            if ground[r][c] >= 0 and (r, c) != at:
                d = br.patch(img, r, c, half=8) - br.patch(base, r, c, half=8)
                lit += d[2] > 45 and d.mean() > 30
    return float(lit)


def stir(kinds, keep):
    """Clicks a small group beside the bonus figure at keep (else any small group), so other
    figures come to stand around it. Returns where the figure is then: it falls by the cells
    removed under it (the boards played here have no holes, so nothing slides)."""
    options = [g for g in br.groups(kinds) if keep not in g and len(g) < 5]
    if not options:
        return None
    if keep is None:  # anywhere: the board just has to change
        click_group(random.choice(options), kinds)
        return None
    near = set(neighbours(*keep))
    # Failing a group beside it, one under its neighbours: they fall and others take their place.
    under = lambda g: sum(1 for r, c in g if abs(c - keep[1]) <= 1 and r >= keep[0])
    group = min(options, key=lambda g: (not near & set(g), -under(g), len(g)))
    click_group(group, kinds)
    return keep[0] + sum(1 for r, c in group if c == keep[1] and r > keep[0]), keep[1]


def set_off(at, kind, name, light, enough):
    """Waits for a figure of the bonus figure's kind beside it, then clicks it."""
    for attempt in range(30):
        base, kinds = board_now("%s-before-%d" % (name, attempt))
        if any(kinds[r][c] == kind for r, c in neighbours(*at)):
            click_cell(*at)
            burst = ["%s/%s-%d.png" % (shots, name, i) for i in range(4)]
            for path in burst:  # a blast is over in a quarter second: grab fast, look later
                br.grab(window, path)
                time.sleep(0.05)
            frames = [br.develop(path, keep=False) for path in burst]
            best = max(range(len(frames)), key=lambda i: light(frames[i], base, at))
            br.keep_grab(burst[best])
            subprocess.run(["mv", burst[best], "%s/%s.png" % (shots, name)])
            for path in burst:
                br.drop_grab(path)
            lit = light(frames[best], base, at)
            settle()
            return lit >= enough, lit
        at = stir(kinds, at) or at
    return False, 0


def bomb_round():
    """A group of five to seven clicked at its lowest cell leaves a bomb there."""
    for attempt in range(40):
        img, kinds = board_now("work")
        big = [g for g in br.groups(kinds) if 5 <= len(g) <= 7]
        if big:
            group = big[0]
            at = lowest(group)
            kind = kinds[at[0]][at[1]]
            click_group(group, kinds, at)
            note("bomb earned at %s" % (at,))
            return at, kind
        stir(kinds, None)
    return None, None


def thunder_round():
    """Four clicks in a row on groups of one kind: the fourth clicked figure becomes a thunder."""
    for attempt in range(10):
        img, kinds = board_now("work")
        groups = [g for g in br.groups(kinds) if len(g) < 5]
        if not groups:
            stir(kinds, None)
            continue
        counts = {}
        for g in groups:
            k = kinds[g[0][0]][g[0][1]]
            counts[k] = counts.get(k, 0) + 1
        kind = max(counts, key=counts.get)
        other = [g for g in groups if kinds[g[0][0]][g[0][1]] != kind]
        if other:  # a different kind first, so the streak starts from nothing
            click_group(other[0], kinds)
        at = None
        for step in range(4):
            img, kinds = board_now("work")
            mine = [g for g in br.groups(kinds) if kinds[g[0][0]][g[0][1]] == kind and len(g) < 5]
            if not mine:
                break
            group = mine[0]
            at = lowest(group) if step == 3 else group[0]
            click_group(group, kinds, at)
        else:
            note("thunder earned at %s" % (at,))
            return at, kind
    return None, None


def play_bonuses():
    board_now("bonus-board")
    at, kind = bomb_round()
    check("a group of five to seven earns a bomb", at is not None)
    if at is not None:
        ok, lit = set_off(at, kind, "bomb-blast", bomb_light, 40)
        check("the bomb goes off with its flash (%.0f)" % lit, ok)
    at, kind = thunder_round()
    check("four groups of one kind in a row earn a thunder", at is not None)
    if at is not None:
        ok, lit = set_off(at, kind, "thunder-strike", thunder_light, 3)
        check("the thunder strikes its kind across the board (%d cells flash)" % lit, ok)


def main():
    time.sleep(0.5)
    if scenario == "groups":
        play_groups()
    elif scenario == "bonuses":
        play_bonuses()
    sys.exit(1 if failed else 0)


main()
