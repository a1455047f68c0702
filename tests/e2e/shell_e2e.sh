#!/usr/bin/env bash
# The game as a player meets it: the window and its splash, one copy at a
# time, the load bar and the prompt, the fade into the menus, a clean exit on
# close signals, and player files written only once the load has read them.
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
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }

start_game() {
  "$game" 2>>"$work/stderr" & pid=$!
  for _ in $(seq 1 100); do
    xdotool search --name '^Amberwick$' >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 0.5
}

# 1. First run, no settings file: the splash shows a picture, not the bare
#    grey of an empty frame.
start_game
# A busy machine may take a moment to draw the first frame.
for _ in $(seq 1 30); do
  import -window root "$shots/splash-first-run.png"
  centre="$(pixel "$shots/splash-first-run.png" 512 384)"
  [[ "$centre" != "gray(180)" && "$centre" != "gray(0)" ]] && break
  sleep 0.1
done
check "first run shows the splash (centre $centre)" '[[ "$centre" != "gray(180)" && "$centre" != "gray(0)" ]]'

# 2. A second copy ends at once with code 0 and opens no window.
timeout 5 "$game"; code=$?
check "second copy exits 0 at once" '[[ $code -eq 0 ]]'
check "second copy opens no window" '[[ $(xdotool search --name "^Amberwick$" | wc -l) -eq 1 ]]'

# 3. Closing during the splash: exit code 0 and no player files.
kill -TERM "$pid"; wait "$pid"; code=$?
check "SIGTERM closes with exit code 0" '[[ $code -eq 0 ]]'
check "closing during the splash writes no player files" '[[ ! -e "$settings/profiles.dat" ]]'

# 4. Windowed from the settings file (fullScreen = 0 at offset 40).
mkdir -p "$settings"
python3 -c "import struct,sys; open(sys.argv[1],'wb').write(struct.pack('<11i',100,80,800,600,0,1,0,0,0,0,0))" \
  "$settings/settings.dat"
start_game
geometry="$(xdotool search --name '^Amberwick$' getwindowgeometry 2>/dev/null | grep Geometry | awk '{print $2}')"
check "windowed mode opens 800x600 (got $geometry)" '[[ "$geometry" == "800x600" ]]'
# Two pictures of 4 s, then the load; wait for the prompt.
sleep 12
import -window root "$shots/splash-prompt.png"
bar="$(pixel "$shots/splash-prompt.png" $((112 + 400)) $((84 + 560)))"
check "the full load bar is drawn after the load (got $bar)" '[[ "$bar" != "gray(0)" ]]'
xdotool key Return
sleep 1.5
import -window root "$shots/menu-after-splash.png"
check "a key fades into the menu scene" '[[ "$(pixel "$shots/menu-after-splash.png" 512 384)" != "$(pixel "$shots/splash-prompt.png" 512 384)" ]]'
kill -INT "$pid"; wait "$pid"; code=$?
check "SIGINT closes with exit code 0" '[[ $code -eq 0 ]]'
check "closing after the load writes the player files" \
  '[[ -s "$settings/profiles.dat" || -e "$settings/profiles.dat" ]] && [[ $(stat -c %s "$settings/records.dat") -eq 37152 && $(stat -c %s "$settings/hiscore.dat") -eq 1080 ]]'
check "no error on stderr" '! grep -v CRITICAL "$work/stderr" | grep -q .'
exit $fail
