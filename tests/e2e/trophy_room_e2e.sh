#!/usr/bin/env bash
# The trophy room as a player meets it, driven with xdotool: a profile with
# several trophies and two new ones goes from the main menu to the room,
# sees each new trophy presented in its panel and accepts it with "OK", rests
# the mouse on a trophy until its description shows, and leaves by the exit
# sign back to the main menu. Screenshots of the window go to the shots directory.
set -uo pipefail
game="$1"
shots="$2"
mkdir -p "$shots"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset SDL_VIDEODRIVER
settings="$XDG_DATA_HOME/amberwick/settings"
fail=0
check() { if eval "$2"; then echo "ok - $1"; else echo "FAIL - $1"; fail=1; fi; }
shot() { sleep "${2:-0.6}"; import -window "$wid" "$shots/$1.png"; }
differs() { [[ "$(compare -metric AE "$shots/$1.png" "$shots/$2.png" null: 2>&1 | cut -d' ' -f1)" -gt "${3:-500}" ]]; }
trp() { python3 -c "import sys; print(open(sys.argv[1],'rb').read().hex())" "$settings/ANNA.trp"; }
press() { for k in "$@"; do xdotool key --window "$wid" "$k"; sleep 0.3; done; }
# A point of the centred, y-up 800 x 600 screen in the window's pixels.
move_to() {
  local g w h
  g="$(xdotool getwindowgeometry "$wid" | awk '/Geometry/ {print $2}')"; w="${g%x*}"; h="${g#*x}"
  read -r px py < <(python3 -c "
import sys; w,h,x,y=map(float,sys.argv[1:]); s=min(w/800,h/600)
print(int((w-800*s)/2+(x+400)*s), int((h-600*s)/2+(300-y)*s))" "$w" "$h" "$1" "$2")
  xdotool mousemove --window "$wid" "$px" "$py"
}
click_at() { move_to "$1" "$2"; sleep 0.3; xdotool click 1; sleep 0.3; }
# Where trophy N stands, from the shipped layout (centre x, y of record N).
place_of() {
  python3 -c "import struct,sys; d=open(sys.argv[1],'rb').read(); r=(int(sys.argv[2])-1)*92
print('%d %d' % struct.unpack_from('<2f', d, r + 8))" "$(dirname "$game")/Data/trophyes/trophy.cfg" "$1"
}

# Windowed, one profile ANNA, earned 1 2 4 6 7 10 12 13 16 17, new 3 and 14.
mkdir -p "$settings"
python3 - "$settings" <<'EOF'
import struct, sys
d = sys.argv[1]
open(d + "/settings.dat", "wb").write(struct.pack("<11i", 100, 80, 800, 600, 0, 1, 0, 0, 0, 1, 0))
p = bytearray(128); p[0:4] = b"ANNA"; p[115:128] = b"\x00" * 13
open(d + "/profiles.dat", "wb").write(bytes(p))
t = bytearray(34)
for n in (1, 2, 3, 4, 6, 7, 10, 12, 13, 14, 16, 17): t[2 * (n - 1) + 1] = 1
for n in (3, 14): t[2 * (n - 1)] = 1
open(d + "/ANNA.trp", "wb").write(bytes(t))
EOF
before="$(trp)"

"$game" 2>>"$work/stderr" & pid=$!
for _ in $(seq 1 100); do wid="$(xdotool search --name '^Amberwick$' 2>/dev/null | head -1)"; [[ -n "$wid" ]] && break; sleep 0.1; done
xdotool mousemove --window "$wid" 790 590
# Through the splash pictures and the load with a key nothing else answers.
# (keys after the menu has opened change nothing there)
for _ in $(seq 1 11); do sleep 1.5; xdotool key --window "$wid" F5; done
sleep 2
shot main 0.2

# 1. The main menu's fourth item leads to the room; the first new trophy's
#    panel has grown once the room has settled.
press Down Down Down Return
shot panel-first 3.2
check "the room opens from the main menu with a new trophy's panel" 'differs main panel-first'
check "nothing is written before the panel is accepted" '[[ "$(trp)" == "$before" ]]'

# 2. "OK" puts the trophy in its place; the next new one follows.
click_at 0 -127
shot panel-second 1.6
check "accepting the first panel clears its new byte (3)" '[[ "$(trp | cut -c9-12)" == "0001" ]]'
check "the second new trophy keeps its new byte until accepted (14)" '[[ "$(trp | cut -c53-56)" == "0101" ]]'
click_at 0 -127
shot room-all 1.2
check "both presentations are done and written" '[[ "$(trp | cut -c53-56)" == "0001" ]]'

# 3. The mouse rests on trophy 13 until its description shows.
read -r tx ty < <(place_of 13)
move_to "$tx" "$ty"
shot hover 0.5
shot balloon 2.2
check "resting on a trophy shows its description" 'differs hover balloon 300'

# 4. The exit sign leads back to the main menu.
move_to -364 264
shot exit-hover 0.4
click_at -364 264
shot back-at-main 2.5
check "the exit sign leaves the room" 'differs exit-hover back-at-main'
cleared="$(python3 -c "import sys; b=bytearray.fromhex(sys.argv[1]); b[0::2]=bytes(17); print(b.hex())" "$before")"
check "the earned trophies are kept, none left new" '[[ "$(trp)" == "$cleared" ]]'

kill -TERM "$pid"; wait "$pid"; code=$?
check "the game closes with exit code 0" '[[ $code -eq 0 ]]'
check "no error on stderr" '! grep -v CRITICAL "$work/stderr" | grep -q .'
exit $fail
