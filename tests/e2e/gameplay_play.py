"""Plays a started level with the mouse, as a player would, and reports.

usage: gameplay_play.py WINDOW LEVELFILE SHOTS SCENARIO
  groups   the board at rest, a hovered group, a click and the falling
           figures, a click on a single figure, then the level played to its win
Prints "ok - ..." / "FAIL - ..." per check and exits 1 on a failure.
"""
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
    game.paced_click()


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
    game.paced_click()
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


def use_hammer(cell):
    """Arms the hammer with its button on the game bar and strikes the figure on cell; an
    uncharged hammer does not arm, and the click on a lone figure then does nothing. Returns
    the squares left after it."""
    move(54, 370)
    time.sleep(0.1)
    game.paced_click()
    time.sleep(0.2)
    click_cell(*cell)
    img, _ = settle()
    return br.squares(img, ground)


def play_to_win(img, kinds):
    """Clicks the groups that lie on the most squares until no square is left. When none lies
    on a square, a group that moves new figures onto a square or beside it is taken: one in
    the square's column from just above it down, or in a column beside it from its row down
    (figures fall down, so only removals at or below a cell bring it a new figure). When
    nothing can reach the squares any more, the hammer breaks one."""
    def reach(g, left):
        return sum(1 for r, c in g for sr, sc in left
                   if (c == sc and r >= sr - 1) or (abs(c - sc) == 1 and r >= sr))

    for move_number in range(60):
        left = br.squares(img, ground)
        groups = br.groups(kinds)
        if not left or not groups:
            break
        group = max(groups, key=lambda g: (len(left & set(g)), reach(g, left), -len(g)))
        if not left & set(group) and not reach(group, left):
            # Nothing near the squares can move: the hammer breaks one, once it is charged.
            # Until then the largest group charges it fastest.
            if use_hammer(min(left)) != left:
                img, kinds = settle()
                continue
            group = groups[0]
        img, kinds = click_group(group, kinds)
    won = not br.squares(img, ground)
    check("every square is broken (%d moves)" % move_number, won)
    if not won:
        shot("level-not-won")  # what the board showed when the play gave up
        return
    time.sleep(0.5)
    shot("level-won")  # the figures fly off under "level complete"
    # They are gone within a few seconds (longer on a busy machine). Figures in flight can
    # miss every cell centre in one look, so two looks in a row must find the board empty;
    # the level's result box follows soon after, and it would hide the board.
    empty = 0
    for _ in range(100):
        img = look()
        empty = empty + 1 if br.figure_cells(img, ground, looks) < 10 else 0
        if empty == 2:
            break
        time.sleep(0.2)
    save_png(img, "%s/level-won-empty.png" % shots)
    check("the level is won: its figures have left the board", empty == 2)


def main():
    started = time.time()
    learn_looks()
    if scenario == "groups":
        play_groups()
    note("%s played in %.1f s" % (scenario, time.time() - started))
    sys.exit(1 if failed else 0)


main()
