"""A player's journey through the real game, end to end, as a person would make it, in three
runs from a fresh player directory:
1. the splash and the load, a new profile typed in, the main menu, the adventure with its
   prolog, level 1 won by clicking groups, the level result, the map with the new star, back
   to the main menu and "exit";
2. on a fast clock (--clock-speed), the adventure's map, level 2 lost on time, the life-lost
   box, a move on the restarted level, the pause screen and "main" with the saved game, "exit";
3. the saved game resumed exactly, the trophy room, the options, the high scores, the
   credits, and "exit".

The game runs with --describe-board (where it is and, on a settled board, every cell with its
centre in window pixels) so every click lands and every wait ends on the state it waits for.
Keys go through xdotool, the mouse and the screenshots through XTest and Xlib (x_window.py).

usage: journey_play.py GAME SHOTS WORKDIR
Prints "ok - ..." / "FAIL - ..." per check and exits 1 on a failure.
"""
import os
import subprocess
import sys
import time

from x_window import XWindow, save_png

game_binary, shots, work = sys.argv[1], sys.argv[2], sys.argv[3]
settings = os.path.join(os.environ["XDG_DATA_HOME"], "amberwick", "settings")
description = os.path.join(work, "board.txt")
LOSS_SPEED = 12  # the run that loses level 2: its 150 s candle burns down in 12.5 s
failed = False
started = time.monotonic()
DEBUG = bool(os.environ.get("AW_E2E_DEBUG"))
step_no = 0


def check(name, ok):
    global failed
    print("%s - %s [%.1fs]" % ("ok" if ok else "FAIL", name, time.monotonic() - started), flush=True)
    failed |= not ok
    return ok


def note(text):
    print("# " + text, flush=True)


class Game:
    """One run of the game: its process, its window and what it says about itself."""

    def __init__(self, speed=1):
        if os.path.exists(description):
            os.unlink(description)
        self.stderr = open(os.path.join(work, "stderr"), "ab")
        self.proc = subprocess.Popen([game_binary, "--describe-board", description, "--clock-speed", str(speed)],
                                     stderr=self.stderr)
        self.wid = None
        self.history = []
        for _ in range(300):
            out = subprocess.run(["xdotool", "search", "--name", "^Amberwick$"], capture_output=True, text=True)
            if out.stdout.split():
                self.wid = out.stdout.split()[0]
                break
            time.sleep(0.05)
        if not self.wid:
            raise SystemExit("FAIL - the game window never opened")
        self.x = XWindow(self.wid)

    def state(self):
        """The last description: a dict of key -> value text, plus "items" and "cells"."""
        try:
            with open(description) as f:
                lines = f.read().splitlines()
        except OSError:
            return {"items": [], "cells": {}}
        d = {"items": [], "cells": {}}
        for line in lines:
            key, _, value = line.partition(" ")
            if key == "item":
                d["items"].append(value.partition(" ")[2])
            elif key == "cell":
                r, c, kind, ground, lock, group, x, y = map(int, value.split())
                d["cells"][(r, c)] = dict(kind=kind, ground=ground, lock=lock, group=group, x=x, y=y)
            else:
                d[key] = value
        # What the game went through, for the note of a failed wait.
        summary = " ".join("%s=%s" % (k, d.get(k)) for k in ("scene", "screen", "box", "selected", "fading",
                                                               "transition", "overlay", "tip"))
        if not self.history or self.history[-1][1] != summary:
            self.history.append((time.monotonic() - started, summary))
            del self.history[:-12]
        return d

    def wait(self, what, pred, timeout=20.0, poke=None):
        """Polls the description until pred(state) holds; poke() runs every half second while
        waiting (a key for a screen that waits for one). Returns the state, or None."""
        end = time.monotonic() + timeout
        next_poke = time.monotonic() + 0.5
        while time.monotonic() < end:
            s = self.state()
            if pred(s):
                return s
            if self.proc.poll() is not None:
                break
            if poke and time.monotonic() >= next_poke:
                poke()
                next_poke = time.monotonic() + 0.5
            time.sleep(0.02)
        check("%s (last: scene %s, screen %s, box %s)" % (what, self.state().get("scene"),
                                                           self.state().get("screen"), self.state().get("box")),
              False)
        for at, summary in self.history:
            note("%.1f s: %s" % (at, summary))
        return None

    def wait_quietly(self, pred, timeout):
        """As wait, for a state that may not come: None without a failure."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            s = self.state()
            if pred(s):
                return s
            time.sleep(0.02)
        return None

    def key(self, *names):
        for k in names:
            subprocess.run(["xdotool", "key", "--window", self.wid, k])
            time.sleep(0.05)

    def click(self, x, y, paced=False):
        """paced: at a person's pace on the board (XWindow.paced_click)."""
        self.x.move(x, y)
        time.sleep(0.06)  # a short rest on the spot first, as a hand makes
        if paced:
            self.x.paced_click()
        else:
            self.x.click()

    def shot(self, name, rest=0.0):
        """Screenshot NN-name.png, numbered in the journey's order."""
        global step_no
        time.sleep(rest)
        step_no += 1
        if DEBUG:
            note("shot %02d-%s at %.1f s" % (step_no, name, time.monotonic() - started))
        save_png(self.x.grab(), os.path.join(shots, "%02d-%s.png" % (step_no, name)))

    def choose(self, item):
        """Moves the selection to the current screen's item and presses Enter."""
        s = self.state()
        if item not in s["items"]:
            check("the screen %s offers %s (it has %s)" % (s.get("screen"), item, s["items"]), False)
            return
        target = s["items"].index(item)
        screen = s.get("screen")
        # The hand off the menu: a pointer resting on a line selects that line at the next
        # move, which would overrule the keys.
        self.rest_pointer()
        for _ in range(len(s["items"]) * 3):
            now = self.state()
            selected = int(now.get("selected", -1))
            if selected == target and now.get("screen") == screen and now.get("fading") == "0":
                time.sleep(0.1)  # still so a frame later: the screen was not opened again meanwhile
                again = self.state()
                if int(again.get("selected", -1)) == target and again.get("fading") == "0":
                    break
                continue
            self.key("Down")
            # One key a frame: the next waits until the selection has moved.
            self.wait_quietly(lambda t: int(t.get("selected", -1)) != selected, 0.5)
        if DEBUG:
            note("choose %s: selected %s of %s" % (item, self.state().get("selected"), s["items"]))
        self.key("Return")

    def rest_pointer(self):
        """The pointer to the upper right corner, where no screen has an item."""
        width, _ = self.x.size()
        self.x.move(width - 5, 5)
        time.sleep(0.1)

    def quiet_screen(self, name):
        """The named screen is current, has finished fading in and no scene transition runs."""
        return lambda s: s.get("screen") == name and s.get("fading") == "0" and s.get("transition") == "0"

    def close(self, timeout=20):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            return None


def on_board(s):
    return s.get("scene") == "game" and s.get("overlay") == "0" and s.get("transition") == "0"


def ready(s):
    return on_board(s) and s.get("ready") == "1"


def groups(s):
    """Groups of two or more on a settled board: group id -> its cells."""
    found = {}
    for rc, cell in s["cells"].items():
        if cell["kind"] >= 0 and cell["group"] >= 0:
            found.setdefault(cell["group"], []).append(rc)
    return {g: cells for g, cells in found.items() if len(cells) >= 2}


def best_group(s):
    """What a player aims for: the group that breaks most squares; with none on a square, the
    group nearest to one (what falls in its place may match there), then the largest."""
    cells = s["cells"]
    options = groups(s)
    if not options:
        return None
    squares = [rc for rc, c in cells.items() if c["ground"] > 0]

    def distance(g):
        return min((abs(r - sr) + abs(c - sc) for r, c in g for sr, sc in squares), default=0)

    return max(options.values(),
               key=lambda g: (sum(cells[rc]["ground"] > 0 for rc in g), -distance(g), len(g)))


def play_move(s):
    """One click on the best group, at a person's pace; waits until the move has counted."""
    g = best_group(s)
    if not g:
        return False
    moves = s.get("moves")
    cell = s["cells"][g[0]]
    game.click(cell["x"], cell["y"], paced=True)
    t0 = time.monotonic()
    end = t0 + 2
    while time.monotonic() < end:  # a tip that opened under the hand takes the click instead
        if game.state().get("moves") != moves:
            if DEBUG:
                note("move %s -> counted after %.2f s" % (moves, time.monotonic() - t0))
            return True
        time.sleep(0.02)
    return False


def pause_game(what):
    """Escape until the pause screen shows: a tip that opens just then takes the key first."""
    end = time.monotonic() + 10
    while time.monotonic() < end:
        game.key("Escape")
        s = game.wait_quietly(game.quiet_screen("gameplay"), 1.5)
        if s:
            return s
    check(what, False)
    return None


def quit_game(what, shot=None):
    """Exit from the main menu, yes to the question; the run must end with exit code 0."""
    game.choose("exit")
    game.wait("exit asks first", lambda s: game.quiet_screen("messageboxyn")(s) and s.get("box") == "quit", 10)
    if shot:
        game.shot(shot)
    game.choose("yes")
    code = game.close()
    check("%s (%s)" % (what, code), code == 0)


def answer_trophy_room(shot):
    """The room as a player answers it: OK on each new trophy's panel, then Escape."""
    game.shot(shot, 1.2)
    end = time.monotonic() + 20
    s = game.state()
    while s.get("room", "0 0").split()[1] != "0" and time.monotonic() < end:
        game.shot("trophy-panel")
        game.key("Return")
        time.sleep(0.4)
        s = game.state()
    game.key("Escape")


def close_tips(s):
    """Any key closes a tip bubble."""
    if s.get("tip") == "1":
        game.key("Return")
        time.sleep(0.15)


# ---------------------------------------------------------------- the first run
game = Game()
game.rest_pointer()
game.shot("splash", 0.3)
s = game.wait("the name entry opens after the splash and the load",
              lambda s: game.quiet_screen("newprofile")(s) and s.get("textentry") == "1", 40,
              poke=lambda: game.key("Return") if game.state().get("scene") == "splash" else None)
game.shot("name-entry")
# A key sent on the splash just as it ended may reach the empty name entry, which then opens
# again; typing starts once it has stood still.
time.sleep(0.4)
game.wait("the name entry stands", lambda s: game.quiet_screen("newprofile")(s) and s.get("textentry") == "1")
for letter in "anna":  # each letter seen in the field before the next, as a hand types
    typed = game.state().get("entry", "")
    game.key(letter)
    game.wait("the letter %s shows in the name field" % letter,
              lambda s: s.get("entry", "") == typed + letter.upper(), 5)
game.shot("name-typed")
game.key("Return")
s = game.wait("the new profile leads to the main menu", game.quiet_screen("main"))
game.shot("main-menu", 0.3)
with open(os.path.join(settings, "profiles.dat"), "rb") as f:
    check("the profile ANNA is written", f.read(5) == b"ANNA\0")

game.choose("adventure")
s = game.wait("the first adventure shows the prolog",
              lambda s: game.quiet_screen("messageboxok")(s) and s.get("box") == "prolog")
game.shot("prolog")
game.key("Return")
s = game.wait("the prolog leads to level 1", lambda s: on_board(s) and s.get("settled") == "1", 20)
game.shot("level1-start", 0.5)
check("level 1 starts with 3 lives and no score", s and s.get("level") == "1" and s.get("lives") == "3"
      and s.get("score") == "0")

# Level 1 played to a win: close each tip as it comes, click the group that breaks most squares.
moves_made = 0
deadline = time.monotonic() + 90  # of the level's 300 s
shot_first_move = False
tips_seen = set()  # each tip shot once, named by the moves made before it
while time.monotonic() < deadline:
    s = game.state()
    if s.get("won") == "1" or s.get("lost") == "1":
        break
    if s.get("scene") == "trophyroom":  # a trophy earned on the board: its room, then back
        answer_trophy_room("trophy-earned-in-level1")
        game.wait("the trophy room leads back to level 1", lambda s: on_board(s), 10)
        continue
    if s.get("tip") == "1":
        if moves_made not in tips_seen:
            game.shot("tip-after-%d-moves" % moves_made)
            tips_seen.add(moves_made)
        close_tips(s)
        continue
    if not ready(s):
        time.sleep(0.02)
        continue
    if play_move(s):
        moves_made += 1
        if not shot_first_move:
            game.shot("level1-first-move")
            shot_first_move = True
s = game.state()
check("level 1 is won by clicking groups (%d moves)" % moves_made, s.get("won") == "1")
game.shot("level1-won", 1.0)
# A key after the first 600 ms brings the result at once instead of after the whole display.
s = game.wait("the level result opens", game.quiet_screen("levelcomplete"), 20,
              poke=lambda: game.key("Return") if game.state().get("overlay") == "0" else None)
game.shot("level-result-counting")
game.key("Return")  # the first key finishes the count
game.shot("level-result", 0.5)
game.key("Return")  # the second runs "OK"
s = game.wait("OK closes the level result", lambda s: s.get("overlay") == "0" or s.get("scene") != "game", 10)
s = game.wait("the next keys lead to the map",
              lambda s: s.get("scene") == "menu" and s.get("substate") == "1" and game.quiet_screen("adventure")(s),
              20, poke=lambda: game.key("Return") if game.state().get("scene") == "game" else None)
check("the map's current level is level 2", s and s.get("map", "").split()[-1] == "2")
game.shot("map-new-star", 1.0)
game.shot("map-star-later", 1.5)

# Back to the main menu and out: a level won at the real pace (a faster clock would burn the
# candle faster than a hand can click), the loss that follows on a fast one.
game.choose("backfrommap")
game.wait("back leads from the map to the main menu", game.quiet_screen("main"), 10)
time.sleep(0.5)  # a moment's look at the menu, as a person takes (a choice made at once went astray twice)
game.wait("the main menu stays", game.quiet_screen("main"), 5)
quit_game("the first run ends with exit code 0")

# ---------------------------------------------------------------- the second run, on a fast clock
game = Game(LOSS_SPEED)
game.rest_pointer()
s = game.wait("the next start goes to the main menu", game.quiet_screen("main"), 40,
              poke=lambda: game.key("Return") if game.state().get("scene") == "splash" else None)
game.choose("adventure")
s = game.wait("the adventure opens the map at level 2, nothing to resume",
              lambda s: game.quiet_screen("adventure")(s) and s.get("map", "").split()[-1] == "2", 10)

# Level 2 lost on time: nothing clicked, every tip closed, the candle burns down.
game.choose("start")
s = game.wait("start plays level 2", lambda s: on_board(s) and s.get("level") == "2", 20)
game.shot("level2-start", 0.3)
s = game.wait("level 2 is lost on time", lambda s: s.get("lost") == "1", 40, poke=lambda: close_tips(game.state()))
# No screenshot in between: on this clock the message stands for a third of a second.
s = game.wait("the loss is told over the board", lambda s: "message" in s, 10)
check("the message says a life is lost (%s)" % (s or {}).get("message"), s and "life" in s.get("message", "").lower())
game.shot("level2-loss-message", 0.15)  # it grows in
s = game.wait("the life-lost box comes after the loss",
              lambda s: game.quiet_screen("messageboxok")(s) and s.get("box") == "lostlifetime", 20)
game.shot("life-lost-box")
game.key("Return")
s = game.wait("accepting the box restarts level 2", lambda s: ready(s) and s.get("lost") == "0", 20,
              poke=lambda: close_tips(game.state()))
check("the restart cost one life (lives %s)" % (s or {}).get("lives"), s and s.get("lives") == "2")

# A move on the restarted level, then the pause screen and "main", which keeps the game.
for _ in range(3):  # a tip that opens under the hand takes the click instead
    if s and play_move(s):
        break
    s = game.wait("the board takes clicks", ready, 10, poke=lambda: close_tips(game.state()))
s = game.wait("the board settles after the move", ready, 10, poke=lambda: close_tips(game.state()))
check("the restarted level has a move made (%s)" % (s or {}).get("moves"), s and s.get("moves") == "1")
s = pause_game("Escape opens the pause screen")
game.shot("pause")
game.choose("main")
s = game.wait("main from the pause screen says the game is saved",
              lambda s: game.quiet_screen("messageboxok")(s) and s.get("box") == "savemsg", 10)
left_board = s  # the board as it stood when the player left it
game.shot("saved-game-box")
saved = os.path.join(settings, "ANNA_cls.sav")
check("the saved game is written", os.path.exists(saved) and os.path.getsize(saved) > 0)
game.key("Return")
s = game.wait("the box leads to the main menu", game.quiet_screen("main"), 10)
game.shot("main-after-save", 0.3)
quit_game("yes ends the game with exit code 0", "quit-question")

# ---------------------------------------------------------------- the third run
game = Game()
game.rest_pointer()
s = game.wait("the second start goes to the main menu", game.quiet_screen("main"), 40,
              poke=lambda: game.key("Return") if game.state().get("scene") == "splash" else None)
game.shot("main-second-start", 0.3)
game.choose("adventure")
s = game.wait("the adventure asks to resume the saved game", game.quiet_screen("loadgamequest"), 10)
game.shot("resume-question")
game.choose("yes")
s = game.wait("yes brings level 2 back", lambda s: on_board(s) and s.get("settled") == "1", 20)
game.shot("resumed", 0.3)


def board_of(s):
    return {rc: (c["kind"], c["ground"], c["lock"]) for rc, c in (s or {}).get("cells", {}).items()}


if s and left_board:
    same = board_of(s) == board_of(left_board)
    check("the resumed board is the one left (figures, squares, chains)", same)
    if not same:
        for rc in sorted(board_of(s)):
            if board_of(s)[rc] != board_of(left_board).get(rc):
                note("cell %s: left %s, resumed %s" % (rc, board_of(left_board).get(rc), board_of(s)[rc]))
    for key in ("level", "score", "lives", "moves"):
        check("the resumed %s is the one left (%s)" % (key, s.get(key)), s.get(key) == left_board.get(key))

# Back to the main menu through the pause screen, which saves again.
pause_game("Escape opens the pause screen")
game.choose("main")
game.wait("the game is saved again", lambda s: game.quiet_screen("messageboxok")(s) and s.get("box") == "savemsg", 10)
game.key("Return")
game.wait("the box leads to the main menu", game.quiet_screen("main"), 10)

# The trophy room, and out by Escape.
game.choose("trophyroom")
s = game.wait("the trophy room opens", lambda s: s.get("scene") == "trophyroom", 10)
answer_trophy_room("trophy-room")
s = game.wait("Escape leaves the trophy room", game.quiet_screen("main"), 10)

# The options, the high scores, the credits.
game.choose("options")
s = game.wait("the options open", game.quiet_screen("options"), 10)
game.shot("options")
game.key("Escape")
game.wait("Escape leaves the options", game.quiet_screen("main"), 10)
game.choose("hiscore")
s = game.wait("the high scores open", game.quiet_screen("hiscore"), 10)
game.shot("hiscores")
game.key("Escape")
game.wait("Escape leaves the high scores", game.quiet_screen("main"), 10)
game.choose("credits")
s = game.wait("the credits open", game.quiet_screen("credits"), 10)
game.shot("credits", 0.5)
game.shot("credits-later", 1.5)
game.key("Escape")
game.wait("Escape leaves the credits", game.quiet_screen("main"), 10)

quit_game("quit ends the second run with exit code 0")
note("journey took %.1f s" % (time.monotonic() - started))
sys.exit(1 if failed else 0)
