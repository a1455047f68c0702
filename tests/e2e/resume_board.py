"""The board before the window closes and after the game is resumed, as a player sees it.

usage: resume_board.py play WINDOW LEVELFILE SHOTS MOVES
         clicks MOVES groups, waits for the board to stand still and keeps it as
         SHOTS/before.png, with the kinds' colours in SHOTS/before.npz
       resume_board.py compare WINDOW LEVELFILE SHOTS
         reads the board again (SHOTS/after.png) and compares it with the one kept
Prints "ok - ..." / "FAIL - ..." per check and exits 1 on a failure.
"""
import subprocess
import sys
import time

import numpy as np

import board_reader as br

command, window, level_file, shots = sys.argv[1:5]
ground = br.read_level(level_file)
failed = False


def check(name, ok):
    global failed
    print(("ok - " if ok else "FAIL - ") + name, flush=True)
    failed |= not ok


def look(name, refs):
    """The board with the pointer parked off it, once two looks in a row agree, the points
    that rise from a move gone too; the last look is kept as SHOTS/NAME.png."""
    subprocess.run(["xdotool", "mousemove", "--window", window, "795", "595"], check=True)
    path = "%s/%s.png" % (shots, name)
    last, last_img = None, None
    for _ in range(40):
        time.sleep(0.15)
        br.grab(window, path)
        img = br.develop(path, keep=False)
        kinds = br.classify(img, ground, refs=refs)
        if kinds == last and float(np.abs(img[:, 130:] - last_img[:, 130:]).mean()) < 1.0:
            break
        last, last_img = kinds, img
    br.keep_grab(path)
    return img, kinds


def steady(name, refs, looks=3):
    """As look, and then per cell the kind most looks agree on: the coins' idle spin turns
    one edge-on now and then, which reads as another colour for a moment."""
    img, kinds = look(name, refs)
    seen = [kinds]
    for i in range(looks - 1):
        time.sleep(0.2)
        path = "%s/%s-%d.png" % (shots, name, i)
        br.grab(window, path)
        seen.append(br.classify(br.develop(path, keep=False), ground, refs=refs))
        br.drop_grab(path)
    cells = np.array(seen)
    votes = [[np.bincount(cells[:, r, c] + 1).argmax() - 1 for c in range(br.COLUMNS)] for r in range(br.ROWS)]
    return img, votes


if command == "play":
    refs = []
    img, kinds = look("before", refs)
    moves = 0
    for _ in range(int(sys.argv[5]) * 3):
        if moves == int(sys.argv[5]):
            break
        # Small groups: a bonus earned would pulse and make the looks differ.
        groups = sorted(br.groups(kinds), key=len)
        if not groups:
            break
        x, y = br.cell_centre(*groups[0][0])
        subprocess.run(["xdotool", "mousemove", "--window", window, str(x), str(y), "sleep", "0.1", "click", "1",
                        "mousemove", "--window", window, "795", "595"], check=True)
        time.sleep(1.2)  # the figures fall into the gap
        path = shots + "/before.png"
        br.grab(window, path)
        now = br.classify(br.develop(path, keep=False), ground, refs=refs)
        moves += now != kinds
        kinds = now
    time.sleep(1.5)  # the points that rise from the last move fade out
    img, kinds = steady("before", refs)
    check("%d moves made before the close" % moves, moves == int(sys.argv[5]))
    np.savez(shots + "/before.npz", refs=np.array(refs), kinds=np.array(kinds), img=img)
else:
    kept = np.load(shots + "/before.npz")
    refs = list(kept["refs"])
    img, kinds = steady("after", refs)
    same = np.array(kinds) == kept["kinds"]
    # One cell may be misread when its figure's spin or the idle hint's pulse
    # catches two of the three looks; a board not restored differs in many.
    check("the resumed board holds the same figures (%d of %d cells agree)" % (same.sum(), same.size),
          same.size - same.sum() <= 1)
    # The board's pixels, the HUD's left out: only the figures' own shimmer may differ.
    board = np.abs(img[:, 130:] - kept["img"][:, 130:]).max(axis=-1)
    changed = float((board > 40).mean())
    check("the resumed board looks the same (%.2f%% of its pixels differ)" % (100 * changed), changed < 0.02)
sys.exit(1 if failed else 0)
