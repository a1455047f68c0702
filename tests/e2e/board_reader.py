"""Reads the board off a screenshot of the game window, as a player sees it.

The level file says which cells exist; the picture says what lies on them.
Figures of one kind are drawn with one picture, so cells whose centre patch
has nearly the same colour hold the same kind.
"""
import subprocess

import numpy as np

ROWS, COLUMNS = 11, 12


def cell_centre(r, c):
    """Window pixel of a cell's centre (board x = 54c - 243, y = 268 - 54r)."""
    return 400 + 54 * c - 243, 300 - (268 - 54 * r)


def read_level(path):
    """ground per cell from a level file: -1 hole, 0 plain, 1 or 2 squares (letters are dual squares)."""
    text = open(path, "rb").read().decode("latin-1").replace("\r", "")
    rows = [line for line in text.split("level=", 1)[1].split("\n") if line.strip()][:ROWS]
    ground = [[0] * COLUMNS for _ in range(ROWS)]
    for r, line in enumerate(rows):
        for c, ch in enumerate(line[:COLUMNS]):
            ground[r][c] = -1 if ch == "." else (int(ch) if ch in "012" else 2)
    return ground


def figure_count(path):
    """The number of figure kinds a level file asks for ("figures=")."""
    for line in open(path, "rb").read().decode("latin-1").replace("\r", "").split("\n"):
        if line.startswith("figures="):
            return int(line.split("=", 1)[1])
    return 5


# Window grabs through xwd, for scripts that look between moves rather than
# every frame (the resume check).
def grab(window, path):
    """The window's pixels now (xwd takes a few milliseconds; the conversion comes later)."""
    with open(path + ".xwd", "wb") as out:
        subprocess.run(["xwd", "-id", str(window), "-silent"], check=True, stdout=out)


def read_xwd(path):
    """The pixels of an xwd dump (32 bits a pixel, as Xvfb writes them) as rows of R, G, B."""
    data = open(path, "rb").read()
    h = np.frombuffer(data[:100], dtype=">u4")
    header, width, height, order, bpp, line, ncolors = int(h[0]), int(h[4]), int(h[5]), int(h[7]), int(h[11]), int(h[12]), int(h[19])
    masks = [int(h[14]), int(h[15]), int(h[16])]
    if bpp != 32:
        raise RuntimeError("xwd: %d bits a pixel" % bpp)
    start = header + 12 * ncolors
    words = np.frombuffer(data[start:start + line * height], dtype=">u4" if order else "<u4").reshape(height, line // 4)[:, :width]
    shifts = [(m & -m).bit_length() - 1 for m in masks]
    return np.stack([(words >> s) & 0xFF for s in shifts], axis=-1).astype(np.float32)


def develop(path, keep=True):
    """The grabbed picture as an array for the checks; kept, also as a PNG for people
    (otherwise the grab stays for keep_grab or drop_grab)."""
    img = read_xwd(path + ".xwd")
    if keep:
        keep_grab(path)
    return img


def keep_grab(path):
    subprocess.run(["convert", "xwd:" + path + ".xwd", path], check=True)
    drop_grab(path)


def drop_grab(path):
    subprocess.run(["rm", "-f", path + ".xwd"])


def capture(window, path):
    grab(window, path)
    return develop(path)


def patch(img, r, c, dx=0, dy=0, half=5):
    x, y = cell_centre(r, c)
    x, y = x + dx, y + dy
    return img[y - half:y + half + 1, x - half:x + half + 1].reshape(-1, 3).mean(axis=0)


def classify(img, ground, threshold=38.0, refs=None):
    """Kind classes per cell (-1 where no cell); colours closer than threshold share a class.
    With refs (a list), the classes found are kept there for later boards."""
    refs = [] if refs is None else refs
    kinds = [[-1] * COLUMNS for _ in range(ROWS)]
    for r in range(ROWS):
        for c in range(COLUMNS):
            if ground[r][c] < 0:
                continue
            colour = patch(img, r, c)
            best, dist = -1, threshold
            for k, ref in enumerate(refs):
                d = float(np.linalg.norm(colour - ref))
                if d < dist:
                    best, dist = k, d
            if best < 0:
                refs.append(colour)
                best = len(refs) - 1
            kinds[r][c] = best
    return kinds


def groups(kinds):
    """Connected groups of two or more cells of one class, largest first."""
    seen = set()
    out = []
    for r in range(ROWS):
        for c in range(COLUMNS):
            if kinds[r][c] < 0 or (r, c) in seen:
                continue
            stack, group = [(r, c)], []
            seen.add((r, c))
            while stack:
                a, b = stack.pop()
                group.append((a, b))
                for na, nb in ((a + 1, b), (a - 1, b), (a, b + 1), (a, b - 1)):
                    if 0 <= na < ROWS and 0 <= nb < COLUMNS and (na, nb) not in seen and kinds[na][nb] == kinds[a][b]:
                        seen.add((na, nb))
                        stack.append((na, nb))
            if len(group) >= 2:
                out.append(group)
    out.sort(key=len, reverse=True)
    return out


def brightness(img, x0, y0, x1, y1):
    return float(img[y0:y1, x0:x1].mean())


def figure_cells(img, ground, refs, threshold=38.0):
    """How many cells show one of the known figures."""
    n = 0
    for r in range(ROWS):
        for c in range(COLUMNS):
            if ground[r][c] >= 0:
                colour = patch(img, r, c)
                n += any(float(np.linalg.norm(colour - ref)) < threshold for ref in refs)
    return n


def squares(img, ground):
    """Cells whose tile still shows a square: its pale rose frame lights the tile's upper-left
    corner (white text over the board is not rose)."""
    out = set()
    for r in range(ROWS):
        for c in range(COLUMNS):
            if ground[r][c] < 0:
                continue
            red, green, blue = (float(v) for v in patch(img, r, c, -20, -20, 1))
            if 80 < (red + green + blue) / 3 < 170 and 15 < red - blue < 60:
                out.add((r, c))
    return out
