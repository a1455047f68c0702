#!/usr/bin/env bash
# The adventure map as a player meets it, through the real binary: a new
# profile's map, the map after a few levels with its stars and a fragment in
# place, the artefact view after a stage's last level and its "OK", and the
# congratulation after the last level leading to the high scores. The
# profile's progress is written as a player file; --map opens the map from it.
set -uo pipefail
game="$1"
shots="$2"
mkdir -p "$shots"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset SDL_VIDEODRIVER
fail=0
check() { if eval "$2"; then echo "ok - $1"; else echo "FAIL - $1"; fail=1; fi; }
grab() { import -window root "$1"; }
# a > b, for the fractions convert prints.
gt() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
# fx expression over the picture, printed as 0 or 1.
test_px() { convert "$1" -format "%[fx:($2)?1:0]" info:; }
# Mean colour channel (0..1) of a region WxH+X+Y.
mean() { convert "$1" -crop "$2" +repage -format "%[fx:mean.$3]" info:; }

# Settings (windowed, one profile) and the profile ROSE with the same
# progress in every mode: current stage and level, furthest stage and level.
write_profile() {
  local dir="$XDG_DATA_HOME/amberwick/settings"
  mkdir -p "$dir"
  python3 - "$dir" "$@" <<'EOF'
import struct, sys, os
d = sys.argv[1]
cs, cl, fs, fl = map(int, sys.argv[2:6])
open(os.path.join(d, 'settings.dat'), 'wb').write(struct.pack('<11i', 100, 80, 800, 600, 0, 1, 0, 0, 0, 1, 0))
rec = bytearray(128)
rec[0:4] = b'ROSE'
for at, v in ((32, cl), (44, cs), (56, fl), (68, fs), (80, 3)):
    struct.pack_into('<3i', rec, at, v, v, v)
open(os.path.join(d, 'profiles.dat'), 'wb').write(bytes(rec))
EOF
}

# Starts the game with a fresh profile, waits for the full load bar, and
# presses a key: the map opens 0.8 s later.
start_map() {
  export XDG_DATA_HOME="$work/home-$1"
  write_profile $2
  shift 2
  "$game" --map --mode adventure "$@" 2>>"$work/stderr" & pid=$!
  # Two keys shorten the splash pictures to their fades.
  sleep 1; xdotool key Return; sleep 0.6; xdotool key Return
  for _ in $(seq 1 120); do
    sleep 0.5
    grab "$work/probe.png" 2>/dev/null || continue
    [[ $(test_px "$work/probe.png" "p{640,560}.r>0.3") == 1 ]] && break
  done
  sleep 0.3
  # Escape ends the wait after the load and, should the splash have ended by
  # itself already, does nothing on the map (Return would start its level).
  xdotool key Escape
  sleep 1
}
stop_game() { kill -INT "$pid"; wait "$pid"; }
# The map's wooden frame at both edges, as opposed to the splash or the menus.
map_shown() { [[ $(test_px "$1" "p{6,100}.r-p{6,100}.b>0.08 && p{793,100}.g-p{793,100}.b>0.03") == 1 ]]; }
# The artefact panel (top right): the share of its middle that is parchment.
panel_parchment() { mean "$1" 120x120+640+50 r; }

# 1. A new profile: stage 1 in view, every fragment still parchment.
start_map start "0 0 0 0"
sleep 2
grab "$shots/map-start.png"
stop_game
check "the map opens for a new profile" 'map_shown "$shots/map-start.png"'
start_panel=$(panel_parchment "$shots/map-start.png")
check "no fragment is in place at the start ($start_panel)" 'gt "$start_panel" 0.75'

# 2. Back from level 6: its star appears and two fragments fly into place.
start_map few "1 2 1 2" --completed 6
sleep 4
grab "$shots/map-after-levels.png"
stop_game
few_top=$(mean "$shots/map-after-levels.png" 120x28+640+48 r)
check "after six levels the first fragments are in place ($few_top)" 'gt 0.5 "$few_top"'

# 3. Back from level 4, the first stage's last: its artefact opens whole.
start_map artefact "1 0 1 0" --completed 4
sleep 4.5
grab "$shots/map-artefact-view.png"
# Beside the treasure, inside the view's frame: the view's dark ground.
view_margin() { mean "$1" 20x60+230+270 r; }
check "the artefact view stands over the map ($(view_margin "$shots/map-artefact-view.png"))" \
  'gt 0.3 "$(view_margin "$shots/map-artefact-view.png")"'
xdotool mousemove 400 483 click 1
sleep 3
grab "$shots/map-next-stage.png"
stop_game
check "its OK closes the view ($(view_margin "$shots/map-next-stage.png"))" \
  'gt "$(view_margin "$shots/map-next-stage.png")" 0.4'
check "and the map has moved on to stage 2, whose fragments are all to come" \
  'gt "$(panel_parchment "$shots/map-next-stage.png")" 0.75'

# 4. The last level done: the congratulation, and its OK leads to the high scores.
start_map finished "0 0 14 8" --completed 129
sleep 1.5
grab "$shots/map-congratulation.png"
check "the congratulation panel stands over the map" \
  'gt 0.25 "$(mean "$shots/map-congratulation.png" 20x60+225+270 r)"'
xdotool mousemove 400 444 click 1
sleep 3
grab "$shots/map-hiscore.png"
stop_game
check "OK leaves the map for the high scores" '! map_shown "$shots/map-hiscore.png"'
check "no error on stderr" '! grep -v CRITICAL "$work/stderr" | grep -q .'
exit $fail
