#!/usr/bin/env bash
# A level played with the mouse as a player would: the real binary started
# on a level with --level, clicked with xdotool, looked at through window
# grabs, listened to through SDL's disk audio output. Level 1 (hover, clicks,
# falling, score, a won level) is read from the pixels, as a player sees it.
# Then level 12 in timeless mode: a bomb and a thunder earned and set off,
# planned from the board the game describes (--describe-board) so the plan
# holds on every board; it adds about half a minute, and AW_E2E_BONUSES=0
# leaves it out. Screenshots are kept in
# SHOTS; with KEEP_SOUND=PREFIX the sound output of each game is kept as
# PREFIX-<game>.raw (float, stereo, 44100 Hz).
# usage: gameplay_e2e.sh GAME SHOTS LEVELS_DIR SOUNDS_DIR
set -uo pipefail
game="$1"
shots="$2"
levels="$3"
sounds="$4"
here="$(cd "$(dirname "$0")" && pwd)"
py=python3
[[ -x /usr/bin/python3 ]] && py=/usr/bin/python3 # the system's, with numpy
mkdir -p "$shots"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset SDL_VIDEODRIVER
fail=0
check() { if eval "$2"; then echo "ok - $1"; else echo "FAIL - $1"; fail=1; fi; }

# A player with four lives, windowed, the music silent so the effects can be picked out.
# Every trophy is already earned (a "new" then an "earned" byte each): a new one's room
# would take the level's place in the middle of a plan (a long streak of one kind, or
# ten clicks in a row whose figures all land within half a second).
player_files() {
  local settings="$1/amberwick/settings"
  mkdir -p "$settings"
  $py -c "import struct,sys; open(sys.argv[1],'wb').write(struct.pack('<11i',0,80,800,600,0,1,0,0,0,1,0))" \
    "$settings/settings.dat"
  $py -c "import struct,sys; open(sys.argv[1],'wb').write(b'Tester'.ljust(32,b'\0')+struct.pack('<18i',*([0]*12+[4,4,4]+[0]*3))+bytes(24))" \
    "$settings/profiles.dat"
  $py -c "import sys; open(sys.argv[1],'wb').write(bytes([0, 1] * 17))" "$settings/Tester.trp"
}

# play LEVEL MODE SCENARIO SOUND...: one game, then its sound output is searched for SOUND...
play() {
  local level="$1" mode="$2" scenario="$3"
  shift 3
  export XDG_DATA_HOME="$work/home-$scenario"
  player_files "$XDG_DATA_HOME"
  local raw="$work/sound-$scenario.raw" described="$work/board-$scenario.txt"
  # The pixel scenario must not lean on the description: only the bonus one asks for it.
  local describe=()
  [[ "$scenario" == bonuses ]] && describe=(--describe-board "$described")
  # Not niced: on a busy machine a niced game stands still for seconds between frames.
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$raw" SDL_DISKAUDIODELAY=23 "$game" --level "$level" --mode "$mode" \
    "${describe[@]}" 2>>"$work/stderr" &
  local pid=$! wid=""
  for _ in $(seq 1 600); do
    wid="$(xdotool search --name '^Amberwick$' 2>/dev/null | head -1)"
    [[ -n "$wid" ]] && break
    sleep 0.1
  done
  check "$scenario: the game window opens" '[[ -n "$wid" ]]'
  # Seen rarely on a loaded machine: the game runs and renders, yet the server has no
  # window. What the server answers, what the game said and where its threads stand:
  if [[ -z "$wid" ]]; then
    echo "# the game's process: $(ps -o stat=,etime=,time= -p "$pid" || echo gone);" \
      "windows on $DISPLAY: $(xwininfo -root -children 2>/dev/null | grep -c '^ *0x');" \
      "xdpyinfo exit code $(timeout 10 xdpyinfo >/dev/null 2>&1; echo $?); the game's stderr:"
    sed 's/^/#   /' "$work/stderr"
    command -v gdb >/dev/null && timeout 30 gdb -p "$pid" -batch -ex "thread apply all bt 6" 2>/dev/null |
      grep -e '^#' -e '^Thread' | head -40 | sed 's/^/#   /'
    kill -TERM "$pid"
    wait "$pid"
    return
  fi
  # Keys skip the splash pictures and the wait after the load; the game bar says the level is up.
  local bar=""
  for _ in $(seq 1 240); do
    xdotool key --window "$wid" Return 2>/dev/null
    sleep 0.5
    xwd -id "$wid" -silent >"$work/probe.xwd" 2>/dev/null || continue
    bar="$(convert "xwd:$work/probe.xwd" -format '%[pixel:p{20,300}]' info: 2>/dev/null)"
    [[ "$bar" == "srgb(117,87,49)" ]] && break
  done
  check "$scenario: level $level starts with its game bar (got $bar)" '[[ "$bar" == "srgb(117,87,49)" ]]'
  sleep 0.5 # keys sent during the load still arrive; they do nothing on the board
  local file
  file="$(printf '%s/pack1_%02d.lvl' "$levels" "$level")"
  if [[ "$scenario" == bonuses ]]; then
    $py "$here/bonus_play.py" "$wid" "$described" "$shots" | tee "$work/play-$scenario.log"
  else
    $py "$here/gameplay_play.py" "$wid" "$file" "$shots" "$scenario" | tee "$work/play-$scenario.log"
  fi
  [[ ${PIPESTATUS[0]} -eq 0 ]] || fail=1
  kill -TERM "$pid"
  wait "$pid"
  local code=$?
  check "$scenario: the game closes with exit code 0" '[[ $code -eq 0 ]]'
  $py "$here/audio_check.py" "$raw" "$sounds" "$@" || fail=1
  [[ -n "${KEEP_SOUND:-}" ]] && cp "$raw" "$KEEP_SOUND-$scenario.raw"
}

play 1 adventure groups BreakFigure1.ogg FigureFall.ogg BreakSquare.ogg
if [[ "${AW_E2E_BONUSES:-1}" != 0 ]]; then
  play 12 timeless bonuses ExplosionBomb.ogg AddThunder.ogg Thunderbolt.ogg
fi
check "no error on stderr" '! grep -v -e CRITICAL -e "^ALSA" "$work/stderr" | grep -q .'
exit $fail
