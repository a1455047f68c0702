"""Plays a started level with the mouse, as a player would, and reports.

usage: gameplay_play.py WINDOW LEVELFILE SHOTS SCENARIO
  groups   the board at rest, a hovered group, a click and the falling
           figures, a click on a single figure, then the level played to its win
  bonuses  a bomb earned with a group of five or more and set off, then a
           thunder earned with four clicks in a row on one kind and set off
Prints "ok - ..." / "FAIL - ..." per check and exits 1 on a failure.
"""
import os
import sys
import time

import numpy as np

import board_reader as br
from x_window import XWindow, save_png

window, level_file, shots, scenario = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4]
ground = br.read_level(level_file)
game = XWindow(window)
looks = []  # the colour of every kind, learnt from the first board (learn_looks)
failed = False
DEBUG = bool(os.environ.get("AW_E2E_DEBUG"))


def check(name, ok):
    global failed
    print(("ok - " if ok else "FAIL - ") + name, flush=True)
    failed |= not ok


def note(text):
    print("# " + text, flush=True)


def move(x, y):
    game.move(x, y)


def click_cell(r, c):
    # A short rest on the cell first, as a hand would make.
    move(*br.cell_centre(r, c))
    time.sleep(0.08)
    game.click()


def shot(name):
    img = game.grab()
    save_png(img, "%s/%s.png" % (shots, name))
    return img


def look():
    """The window's pixels now, for the checks only (no picture is kept)."""
    return game.grab()


def settle():
    """Waits until the board stands still: two looks in a row see the same figures, and the
    game has drawn between them (something always moves on the bar, so a look that equals
    the last one to the byte means the game has not had the processor yet). Returns the last
    look and its board."""
    move(795, 595)
    time.sleep(0.3)
    last = look()
    last_kinds = br.classify(last, ground, refs=list(looks))
    for _ in range(60):
        time.sleep(0.1)
        img = look()
        if np.array_equal(img, last):
            continue
        kinds = br.classify(img, ground, refs=list(looks))
        if kinds == last_kinds:
            return img, kinds
        last, last_kinds = img, kinds
    return img, kinds


def click_group(group, kinds, at=None):
    """Clicks a group (at one of its cells) and waits for the board. A click that found the
    board still moving leaves the board as it was: it is made again (never once the board
    has changed, or a second group would go). Returns the new board."""
    at = at or group[0]
    for _ in range(3):
        click_cell(*at)
        img, now = settle()
        if now != kinds:
            return img, now
    return img, now


def board_now(name=None):
    """The board with the pointer parked off it, so no group is highlighted; kept as a
    picture under name when one is given."""
    move(795, 595)
    time.sleep(0.15)
    img = shot(name) if name else look()
    return img, br.classify(img, ground, refs=list(looks))


def learn_looks():
    """The colours of the level's kinds: the most common colours of a board at rest, once they
    cover nearly every cell (figures still dropping in at the start, or a passing glow, would
    otherwise be taken for kinds of their own)."""
    count = br.figure_count(level_file)
    cells = sum(1 for row in ground for g in row if g >= 0)
    for _ in range(40):
        refs = []
        kinds = br.classify(look(), ground, refs=refs)
        sizes = sorted(((sum(row.count(k) for row in kinds), k) for k in range(len(refs))), reverse=True)[:count]
        if sum(n for n, _ in sizes) >= 0.95 * cells:
            looks[:] = [refs[k] for _, k in sizes]
            return
        time.sleep(0.25)
    check("the board shows its %d kinds of figures" % count, False)


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
    for _ in range(20):  # a busy machine may not have drawn the lit group yet
        x, y = br.cell_centre(*group[-1])
        if region_change(look(), img0, x - 27, y - 27, x + 27, y + 27) > 3:
            break
        time.sleep(0.2)
    time.sleep(0.2)
    hover = shot("hovered-group")
    lit = [region_change(hover, img0, x - 27, y - 27, x + 27, y + 27) for x, y in (br.cell_centre(*p) for p in group)]
    others = [region_change(hover, img0, x - 27, y - 27, x + 27, y + 27)
              for x, y in (br.cell_centre(a, b) for a in range(br.ROWS) for b in range(br.COLUMNS)
                           if ground[a][b] >= 0 and (a, b) not in group)]
    check("the hovered group lights up (%.1f against %.1f elsewhere)" % (min(lit), float(np.median(others))),
          min(lit) > 3 * float(np.median(others)) + 2)

    score_box = (10, 40, 115, 62)  # window pixels of the score value
    game.click()
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
        img2, kinds1 = board_now("after-single")
        check("a click on a single figure changes nothing on the board",
              region_change(img2, img1, 130, 0, 800, 600) < 2.5)
        img1 = img2
    play_to_win(img1, kinds1)


def play_to_win(img, kinds):
    """Clicks the groups that lie on the most squares until no square is left."""
    for move_number in range(60):
        left = br.squares(img, ground)
        groups = br.groups(kinds)
        if not left or not groups:
            break
        group = max(groups, key=lambda g: (len(left & set(g)), -len(g)))
        if not left & set(group):
            # None lies on a square: take one under the squares, so new figures drop onto them.
            under = lambda g: sum(1 for r, c in g if any(c == sc and r > sr for sr, sc in left))
            group = max(groups, key=lambda g: (under(g), -len(g)))
        img, kinds = click_group(group, kinds)
    won = not br.squares(img, ground)
    check("every square is broken (%d moves)" % move_number, won)
    if not won:
        return
    time.sleep(0.5)
    shot("level-won")  # the figures fly off under "level complete"
    # They are gone within a few seconds; the prompt to go on is then shown.
    for _ in range(40):
        if br.figure_cells(look(), ground, looks) < 10:
            break
        time.sleep(0.2)
    time.sleep(0.5)
    img = shot("level-won-prompt")
    check("the level is won: its figures have left the board", br.figure_cells(img, ground, looks) < 10)


# [SECTION] bonuses

def bomb_light(img, base, at):
    """How much brighter and warmer the board has become 36 to 64 pixels around the cell: a
    bomb's flash fills that ring, the glows of a resting bomb hardly reach it."""
    x, y = br.cell_centre(*at)
    yy, xx = np.mgrid[0:img.shape[0], 0:img.shape[1]]
    d = np.hypot(xx - x, yy - y)
    ring = (d >= 36) & (d <= 64)
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


def cell_motion(a, b, r, c):
    x, y = br.cell_centre(r, c)
    return region_change(a, b, x - 24, y - 24, x + 24, y + 24)


def marker_at(at):
    """Whether a bonus marker stands at the cell: it never rests (a bomb's glows pulse, a
    thunder's strands flicker) while a plain figure stands still."""
    first = look()
    for _ in range(20):
        time.sleep(0.3)
        second = look()
        if not np.array_equal(first, second):  # the game has drawn in between
            break
    return cell_motion(first, second, *at) > 4


def fall(kinds, group, track=None):
    """The board after the group goes, as far as it is known: in each column the figures above
    the gap fall into it and unknown ones (-2) come in at the top (the boards played here have
    no holes, so nothing slides). Also where the figure at track ends up."""
    gone = set(group)
    out = [row[:] for row in kinds]
    moved = track
    for c in range(br.COLUMNS):
        stay = [(r, kinds[r][c]) for r in range(br.ROWS) if (r, c) not in gone]
        new_rows = list(range(br.ROWS - len(stay), br.ROWS))
        for r in range(br.ROWS - len(stay)):
            out[r][c] = -2
        for (r, k), nr in zip(stay, new_rows):
            out[nr][c] = k
            if track == (r, c):
                moved = (nr, c)
    return out, moved


def known_groups(kinds):
    """The groups whose size is sure: of a known kind, with no unknown look beside them (a
    bonus figure or a passing score number may hide one more of the kind)."""
    def sure(g):
        return kinds[g[0][0]][g[0][1]] >= 0 and all(
            0 <= kinds[r][c] < len(looks) for a, b in g for r, c in neighbours(a, b))
    return [g for g in br.groups(kinds) if sure(g)]


def click_best(kinds, score, keep=None):
    """Clicks the small group (not holding keep) whose fall gives the board the best score
    (score(board after, where keep went, group)); returns the board after it and where keep went,
    or None."""
    options = [g for g in known_groups(kinds) if keep not in g and len(g) < 5]
    if not options:
        return None
    group = max(options, key=lambda g: score(*fall(kinds, g, keep), g))
    img, now = click_group(group, kinds)
    return img, now, fall(kinds, group, keep)[1] if now != kinds else keep


def bomb_size_group(kinds):
    big = [g for g in known_groups(kinds) if 5 <= len(g) <= 7]
    return big[0] if big else None


def near_kind(kinds, at, kind):
    return any(kinds[r][c] == kind for r, c in neighbours(*at))


def set_off(at, kind, name, light, enough):
    """Brings a figure of the bonus figure's kind beside it, then clicks it."""
    settle()
    base, kinds = board_now("%s-before" % name)
    for attempt in range(12):
        if near_kind(kinds, at, kind):
            note("%s: clicked at %s after %d moves" % (name, at, attempt))
            # A click the board was not ready for does nothing: it is made again.
            for _ in range(3):
                click_cell(*at)
                frames = []
                for _ in range(5):  # a blast is over in a quarter second: grab fast, look later
                    frames.append(look())
                    time.sleep(0.04)
                best = max(frames, key=lambda f: light(f, base, at))
                lit = light(best, base, at)
                settle()
                if lit >= enough or not marker_at(at):
                    break
            save_png(best, "%s/%s.png" % (shots, name))
            return lit >= enough, lit
        # A fall that brings one of its kind beside it, else one that changes most around it,
        # else the group nearest to it.
        def score(after, moved, group):
            return (near_kind(after, moved, kind), sum(after[r][c] != kinds[r][c] for r, c in neighbours(*moved)),
                    -min(abs(r - moved[0]) + abs(c - moved[1]) for r, c in group))
        stirred = click_best(kinds, score, keep=at)
        if DEBUG:
            note("%s: %s of kind %d beside %s, moved to %s" % (name, at, kind, [kinds[r][c] for r, c in neighbours(*at)],
                                                         stirred[2] if stirred else None))
            save_png(stirred[0] if stirred else base, "%s/%s-stir-%d.png" % (shots, name, attempt))
        if stirred:
            base, kinds, at = stirred
        else:
            base, kinds = board_now()
    return False, 0


def bomb_round():
    """A group of five to seven leaves a bomb where it is clicked."""
    img, kinds = board_now()
    for attempt in range(20):
        group = bomb_size_group(kinds)
        if group:
            kind = kinds[group[0][0]][group[0][1]]
            # The bomb stays where the group is clicked and falls with what goes under it:
            # clicked where the fall leaves one of its kind beside it, it can go off at once.
            def landing(p):
                return fall(kinds, [q for q in group if q != p], p)
            at = max(group, key=lambda p: (near_kind(*landing(p), kind), p[0] < br.ROWS - 1))
            click_at = at
            at = landing(at)[1]
            click_group(group, kinds, click_at)
            note("bomb earned at %s after %d moves" % (at, attempt))
            return at, kind
        # The fall that makes a group of five to seven, else the largest group it can.
        biggest = lambda after, _, __: max([len(g) for g in known_groups(after) if len(g) <= 7] or [0])
        stirred = click_best(kinds, biggest)
        img, kinds = stirred[:2] if stirred else board_now()
    return None, None


def thunder_round():
    """Four clicks in a row on groups of one kind: the fourth clicked figure becomes a thunder.
    The highest group of the kind goes first: a fall moves only what stands above the gap."""
    img, kinds = board_now()
    for attempt in range(6):
        groups = [g for g in known_groups(kinds) if len(g) < 5]
        counts = {}
        for g in groups:
            k = kinds[g[0][0]][g[0][1]]
            counts[k] = counts.get(k, 0) + 1
        if not counts:
            img, kinds = board_now()
            continue
        kind = max(counts, key=counts.get)
        other = [g for g in groups if kinds[g[0][0]][g[0][1]] != kind]
        if other:  # a different kind first, so the streak starts from nothing
            img, kinds = click_group(min(other, key=lambda g: max(r for r, _ in g)), kinds)
        at = None
        for step in range(4):
            mine = [g for g in known_groups(kinds) if kinds[g[0][0]][g[0][1]] == kind and len(g) < 5]
            if not mine:
                break
            group = min(mine, key=lambda g: max(r for r, _ in g))
            at = lowest(group) if step == 3 else group[0]
            img, kinds = click_group(group, kinds, at)
        else:
            # The streak may have been broken by a click the board missed: look for the strands.
            if marker_at(at):
                note("thunder earned at %s" % (at,))
                return at, kind
            note("no thunder after four clicks on one kind")
    return None, None


def play_bonuses():
    board_now("bonus-board")
    at, kind = bomb_round()
    check("a group of five to seven earns a bomb", at is not None)
    if at is not None:
        ok, lit = set_off(at, kind, "bomb-blast", bomb_light, 30)
        check("the bomb goes off with its flash (%.0f)" % lit, ok)
    at, kind = thunder_round()
    check("four groups of one kind in a row earn a thunder", at is not None)
    if at is not None:
        ok, lit = set_off(at, kind, "thunder-strike", thunder_light, 3)
        check("the thunder strikes its kind across the board (%d cells flash)" % lit, ok)


def main():
    started = time.time()
    learn_looks()
    if scenario == "groups":
        play_groups()
    elif scenario == "bonuses":
        play_bonuses()
    note("%s played in %.1f s" % (scenario, time.time() - started))
    sys.exit(1 if failed else 0)


main()
