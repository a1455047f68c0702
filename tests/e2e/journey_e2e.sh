#!/usr/bin/env bash
# A player's journey, end to end, from a fresh player directory: see
# journey_play.py for the steps. Screenshots of every step go to SHOTS.
# usage: journey_e2e.sh GAME SHOTS
set -uo pipefail
game="$1"
shots="$2"
here="$(cd "$(dirname "$0")" && pwd)"
py=python3
[[ -x /usr/bin/python3 ]] && py=/usr/bin/python3 # the system's, with numpy
rm -rf "$shots" && mkdir -p "$shots"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset SDL_VIDEODRIVER
fail=0
$py "$here/journey_play.py" "$game" "$shots" "$work" || fail=1
if grep -v -e CRITICAL -e "^ALSA" "$work/stderr" | grep -q .; then
  echo "FAIL - something on stderr:"; sed 's/^/# /' "$work/stderr"; fail=1
else
  echo "ok - no error on stderr"
fi
exit $fail
