#!/usr/bin/env bash
# A level left by closing the game and picked up again, as a player would:
# a level started, a few moves, the close (SIGTERM, which the game takes as
# the window's close), the game started again, the mode chosen, the resume
# question answered "yes", and the board is the one that was left.
# usage: resume_e2e.sh GAME SHOTS LEVELS_DIR
set -uo pipefail
game="$1"
shots="$2"
levels="$3"
here="$(cd "$(dirname "$0")" && pwd)"
py=python3
[[ -x /usr/bin/python3 ]] && py=/usr/bin/python3 # the system's, with numpy
mkdir -p "$shots"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/run" XDG_DATA_HOME="$work/home"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset SDL_VIDEODRIVER
fail=0
check() { if eval "$2"; then echo "ok - $1 [${SECONDS}s]"; else echo "FAIL - $1 [${SECONDS}s]"; fail=1; fi; }
settings="$XDG_DATA_HOME/amberwick/settings"
mkdir -p "$settings"
# Windowed, one player who has seen the introductions.
$py -c "import struct,sys; open(sys.argv[1],'wb').write(struct.pack('<11i',0,80,800,600,0,1,0,0,0,1,0))" \
  "$settings/settings.dat"
$py -c "import struct,sys; open(sys.argv[1],'wb').write(b'Tester'.ljust(32,b'\0')+struct.pack('<18i',*([0]*12+[3,3,3]+[0]*3))+bytes(24))" \
  "$settings/profiles.dat"

pixel() { convert "xwd:$work/probe.xwd" -format "%[pixel:p{$1}]" info: 2>/dev/null; }
grab() { xwd -id "$wid" -silent >"$work/probe.xwd" 2>/dev/null; }
start() {
  "$game" "$@" 2>>"$work/stderr" &
  pid=$!
  wid=""
  for _ in $(seq 1 300); do
    wid="$(xdotool search --name '^Amberwick$' 2>/dev/null | head -1)"
    [[ -n "$wid" ]] && break
    sleep 0.1
  done
}
# Keys until the game bar shows: the splash, the load and, on the second
# start, the main menu's first item and the question's first answer.
until_game_bar() {
  for _ in $(seq 1 60); do
    [[ -n "${1:-}" ]] && xdotool key --window "$wid" Return 2>/dev/null
    sleep 0.5
    grab || continue
    [[ "$(pixel 20,300)" == "srgb(117,87,49)" ]] && return 0
  done
  return 1
}

# 1. Level 2 of the adventure, a few moves, then the close.
start --level 2 --mode adventure
check "the game window opens" '[[ -n "$wid" ]]'
until_game_bar keys
check "the level starts" '[[ "$(pixel 20,300)" == "srgb(117,87,49)" ]]'
sleep 1
level_file="$(printf '%s/pack1_%02d.lvl' "$levels" 2)"
$py "$here/resume_board.py" play "$wid" "$level_file" "$shots" 2 || fail=1
kill -TERM "$pid"
wait "$pid"
code=$?
check "the game closes with exit code 0" '[[ $code -eq 0 ]]'
size=$(stat -c %s "$settings/Tester_cls.sav" 2>/dev/null || echo 0)
check "the close wrote the saved game ($size bytes)" '[[ $size -eq 51656 ]]'

# 2. Started again: the splash and the load, then the main menu's first item, "Adventure".
# rgb NAME X,Y: the pixel's channels in NAME_r, NAME_g, NAME_b.
rgb() {
  [[ "$(pixel "$2")" =~ ^srgb\(([0-9]+),([0-9]+),([0-9]+)\)$ ]] || return 1
  printf -v "$1_r" %s "${BASH_REMATCH[1]}"
  printf -v "$1_g" %s "${BASH_REMATCH[2]}"
  printf -v "$1_b" %s "${BASH_REMATCH[3]}"
}
# The main menu: its wooden panel on the left, the landscape in the middle.
main_menu() { rgb panel 178,216 && rgb middle 400,256 && ((panel_r < 110 && panel_b < 55 && middle_r > 150)); }
# The question's wooden panel covers the middle, from side to side; the game bar is not there yet.
# Wood is reddish: the landscape fading to black passes through its brightness, not its hue.
wood() { rgb w "$1" && ((w_r > 60 && w_r < 120 && w_b > 20 && w_b < 60 && w_r - w_b > 30)); }
question() { wood 200,250 && wood 600,250 && wood 400,256 && [[ "$(pixel 20,300)" != "srgb(117,87,49)" ]]; }
start
# Two keys shorten the splash pictures; the wait after the load ends with a key too. A key
# may also arrive once the main menu is up and choose its first item, "Adventure", at once.
sleep 1; xdotool key --window "$wid" Return; sleep 0.6; xdotool key --window "$wid" Return
seen=""
for i in $(seq 1 120); do
  sleep 0.5
  grab || continue
  if question; then seen=question; break; fi
  if main_menu; then seen=main; break; fi
  rgb bar 640,560 && ((bar_r > 76 && i % 4 == 0)) && xdotool key --window "$wid" Return
done
check "the main menu comes up ($seen)" '[[ -n $seen ]]'
if [[ $seen == main ]]; then
  sleep 0.5
  xdotool key --window "$wid" Return
  for _ in $(seq 1 10); do
    sleep 0.5
    grab || continue
    if question; then seen=question; break; fi
  done
fi
asked=0
[[ $seen == question ]] && asked=1
sleep 0.5
grab && convert "xwd:$work/probe.xwd" "$shots/question.png"
check "choosing the mode asks to resume" '[[ $asked -eq 1 ]]'
xdotool key --window "$wid" Return
until_game_bar
check "yes brings the level back" '[[ "$(pixel 20,300)" == "srgb(117,87,49)" ]]'
$py "$here/resume_board.py" compare "$wid" "$level_file" "$shots" || fail=1
kill -TERM "$pid"
wait "$pid"
check "no error on stderr" '! grep -v -e CRITICAL -e "^ALSA" "$work/stderr" | grep -q .'
exit $fail
