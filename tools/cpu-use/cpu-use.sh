#!/usr/bin/env bash
# Measures the game's CPU use as a player meets it: the game runs under Xvfb
# (1024 x 768, full-screen as on a first start), the splash is skipped with
# Enter, and the user + system time of the process over SECONDS of rest in
# the menu is printed as a share of one core. Extra arguments go to the game
# (--unpaced for the old behaviour; --level 1 --mode timeless for a level at
# rest). AW_CPU_USE_WINDOWED=1 starts in a window,
# AW_CPU_USE_WM=1 runs a window manager (openbox) that grants full-screen.
# Usage: tools/cpu-use/cpu-use.sh GAME [SECONDS] [-- GAME_ARGS...]
set -euo pipefail
game="$(realpath "$1")"; shift
seconds=10
if [[ $# -gt 0 && "$1" != "--" ]]; then seconds="$1"; shift; fi
[[ $# -gt 0 && "$1" == "--" ]] && shift
if [[ -z "${AW_CPU_USE_INNER:-}" ]]; then
  exec env AW_CPU_USE_INNER=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$game" "$seconds" -- "$@"
fi
work="$(mktemp -d)"
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/home" XDG_RUNTIME_DIR="$work/run" SDL_AUDIODRIVER=dummy
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset SDL_VIDEODRIVER
if [[ -n "${AW_CPU_USE_WINDOWED:-}" ]]; then # settings.dat with fullScreen = 0 (offset 40)
  mkdir -p "$XDG_DATA_HOME/amberwick/settings"
  python3 -c "import struct,sys; open(sys.argv[1],'wb').write(struct.pack('<11i',100,80,800,600,0,1,0,0,0,0,0))" \
    "$XDG_DATA_HOME/amberwick/settings/settings.dat"
fi
if [[ -n "${AW_CPU_USE_WM:-}" ]]; then # a window manager grants full-screen (1024 x 768, scaled)
  openbox >/dev/null 2>&1 &
  sleep 1
fi
"$game" "$@" 2>"$work/stderr" & pid=$!
for _ in $(seq 1 100); do xdotool search --name '^Amberwick$' >/dev/null 2>&1 && break; sleep 0.1; done
# Both splash pictures, the load, then a key into the menus and a moment to settle.
sleep 11
xdotool key Return
sleep 3
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz="$(getconf CLK_TCK)"
before="$(ticks)"; t0="$(date +%s.%N)"
sleep "$seconds"
after="$(ticks)"; t1="$(date +%s.%N)"
awk -v a="$after" -v b="$before" -v hz="$hz" -v t0="$t0" -v t1="$t1" \
  'BEGIN { printf "at rest: %.1f %% of one core over %.1f s\n", 100 * (a - b) / hz / (t1 - t0), t1 - t0 }'
