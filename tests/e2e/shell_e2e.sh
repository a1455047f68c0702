#!/usr/bin/env bash
# The shell as a player meets it: the window, its grey frame, one copy at a
# time, and a clean exit on close signals.
set -uo pipefail
game="$1"
shots="$2"
mkdir -p "$shots"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset SDL_VIDEODRIVER
fail=0
check() { if eval "$2"; then echo "ok - $1"; else echo "FAIL - $1"; fail=1; fi; }

pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }

start_game() {
  "$game" & pid=$!
  for _ in $(seq 1 100); do
    xdotool search --name '^Amberwick$' >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 0.5
}

# 1. First run: no settings file.
start_game
import -window root "$shots/shell-first-run.png"
check "first run shows the grey 180 frame" '[[ "$(pixel "$shots/shell-first-run.png" 512 384)" == "gray(180)" ]]'

# 2. A second copy ends at once with code 0 and opens no window.
timeout 5 "$game"; code=$?
check "second copy exits 0 at once" '[[ $code -eq 0 ]]'
check "second copy opens no window" '[[ $(xdotool search --name "^Amberwick$" | wc -l) -eq 1 ]]'

# 3. SIGTERM takes the close path and the exit code is 0.
kill -TERM "$pid"; wait "$pid"; code=$?
check "SIGTERM closes with exit code 0" '[[ $code -eq 0 ]]'

# 4. Windowed from the settings file (fullScreen = 0 at offset 40): an 800 x 600 window.
mkdir -p "$XDG_DATA_HOME/amberwick/settings"
python3 -c "import struct,sys; open(sys.argv[1],'wb').write(struct.pack('<11i',100,80,800,600,0,1,0,0,0,0,0))" \
  "$XDG_DATA_HOME/amberwick/settings/settings.dat"
start_game
geometry="$(xdotool search --name '^Amberwick$' getwindowgeometry 2>/dev/null | grep Geometry | awk '{print $2}')"
check "windowed mode opens 800x600 (got $geometry)" '[[ "$geometry" == "800x600" ]]'
import -window root "$shots/shell-windowed.png"
check "windowed frame is grey 180" '[[ "$(pixel "$shots/shell-windowed.png" 512 384)" == "gray(180)" ]]'
kill -INT "$pid"; wait "$pid"; code=$?
check "SIGINT closes with exit code 0" '[[ $code -eq 0 ]]'

exit $fail
