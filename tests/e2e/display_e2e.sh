#!/usr/bin/env bash
# The 800 x 600 frame in whatever window the game really gets: full-screen
# that a bare X server refuses and one that a window manager grants, a
# window, full-screen switched by the window manager at run time, and sizes
# of other shapes. Every picture is compared with the same frame shown in an
# 800 x 600 window. Also: the window's class and icon, which desktops use to
# match it with its desktop entry.
# Usage: display_e2e.sh GAME SHOTS_DIR APP_ID (run under xvfb-run at 1024 x 768)
set -uo pipefail
game="$1"
shots="$2"
app_id="$3"
mkdir -p "$shots"
work="$(mktemp -d)"
trap 'kill $pid $wm 2>/dev/null; rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/home" XDG_RUNTIME_DIR="$work/run" SDL_AUDIODRIVER=dummy
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset SDL_VIDEODRIVER
settings="$XDG_DATA_HOME/amberwick/settings"
pid="" wm=""
fail=0
check() { if eval "$2"; then echo "ok - $1"; else echo "FAIL - $1"; fail=1; fi; }
# Normalised RMSE between two pictures of the same size (0 = equal).
difference() { compare -metric RMSE "$1" "$2" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p'; }
similar() { awk -v d="$(difference "$1" "$2")" 'BEGIN { exit !(d != "" && d < 0.06) }'; }
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
geometry() { xdotool getwindowgeometry "$win" | awk '/Geometry/ {print $2}'; }
windowed_settings() { # settings.dat with fullScreen = 0 (offset 40)
  mkdir -p "$settings"
  python3 -c "import struct,sys; open(sys.argv[1],'wb').write(struct.pack('<11i',100,80,800,600,0,1,0,0,0,0,0))" \
    "$settings/settings.dat"
}
start_game() {
  "$game" 2>>"$work/stderr" & pid=$!
  win=""
  for _ in $(seq 1 100); do
    win="$(xdotool search --name '^Amberwick$' 2>/dev/null | head -1)"
    [[ -n "$win" ]] && break
    sleep 0.1
  done
}
mean() { convert "$1" -resize 1x1\! -format "%[fx:mean]" info:; }
# Waits until the load screen is up: after both 4-second pictures, a bright
# picture that stays the same for longer than any splash picture stays still
# (3 s), so a busy machine's slow start cannot fool the comparisons.
wait_for_load_screen() {
  local started=$SECONDS still_since=$SECONDS
  import -window "$win" "$work/before.png" 2>/dev/null
  while (( SECONDS - started < 90 )); do
    sleep 0.3
    import -window "$win" "$work/now.png" 2>/dev/null || continue
    # compare fails (no number) when the sizes differ: that is a change too.
    awk -v d="$(difference "$work/now.png" "$work/before.png")" 'BEGIN { exit !(d != "" && d < 0.01) }' ||
      still_since=$SECONDS
    mv "$work/now.png" "$work/before.png"
    if (( SECONDS - still_since >= 4 && SECONDS - started >= 8 )); then
      awk -v m="$(mean "$work/before.png")" 'BEGIN { exit !(m > 0.1) }' && return 0
      still_since=$SECONDS
    fi
  done
  return 1
}
stop_game() { kill -TERM "$pid"; wait "$pid"; pid=""; }
# A window's picture, scaled to the frame's size when it is larger.
shot() { import -window "$win" "$work/raw.png"; convert "$work/raw.png" -resize 800x600\! "$shots/$1"; }

# Every picture is the load screen, which stays still once the load is done.

# 1. The reference: the load screen in an 800 x 600 window on a bare X server.
windowed_settings
start_game
wait_for_load_screen
import -window "$win" "$shots/reference.png"
check "the reference window is 800x600 (got $(geometry))" '[[ "$(geometry)" == "800x600" ]]'
stop_game

# 2. A first start (full-screen) on a bare X server: nothing grants the
#    request, the window stays as it was, and the whole frame is in it.
rm -rf "$settings"
start_game
wait_for_load_screen
import -window root "$shots/fullscreen-refused-screen.png"
import -window "$win" "$shots/fullscreen-refused.png"
check "refused full-screen shows the whole frame (difference $(difference "$shots/fullscreen-refused.png" "$shots/reference.png"))" \
  'similar "$shots/fullscreen-refused.png" "$shots/reference.png"'
stop_game

# 3. With a window manager that grants full-screen: the frame fills the screen.
openbox >/dev/null 2>&1 & wm=$!
sleep 1
start_game
wait_for_load_screen
check "granted full-screen covers the screen (got $(geometry))" '[[ "$(geometry)" == "1024x768" ]]'
import -window root "$shots/fullscreen-granted-screen.png"
convert "$shots/fullscreen-granted-screen.png" -resize 800x600\! "$shots/fullscreen-granted.png"
check "granted full-screen shows the whole frame (difference $(difference "$shots/fullscreen-granted.png" "$shots/reference.png"))" \
  'similar "$shots/fullscreen-granted.png" "$shots/reference.png"'
check "the window class is the application id" '[[ -n "$(xdotool search --classname "^$app_id\$" 2>/dev/null)" ]]'
icon="$(xprop -id "$win" _NET_WM_ICON 2>/dev/null | head -c 200)"
check "the window carries the game's icon" '[[ "$icon" == *"Icon (64 x 64)"* || "$icon" == *"= 64, 64,"* ]]'

# 4. At run time the window manager changes the size; each picture is
#    compared with the reference.
wmctrl -i -r "$win" -b remove,fullscreen; sleep 1.5
check "leaving full-screen gives back an 800x600 window (got $(geometry))" '[[ "$(geometry)" == "800x600" ]]'
shot load-window.png
check "the window shows the whole frame after leaving full-screen" 'similar "$shots/load-window.png" "$shots/reference.png"'
xdotool windowsize "$win" 1000 600; sleep 1.5
import -window "$win" "$shots/load-wide.png"
convert "$shots/load-wide.png" -crop 800x600+100+0 +repage "$work/wide-frame.png"
check "a wide window has bars left and right and the whole frame between them" \
  '[[ "$(geometry)" == "1000x600" && "$(pixel "$shots/load-wide.png" 50 300)" == "srgb(0,0,0)" && "$(pixel "$shots/load-wide.png" 950 300)" == "srgb(0,0,0)" ]] && similar "$work/wide-frame.png" "$shots/reference.png"'
xdotool windowsize "$win" 640 700; sleep 1.5
import -window "$win" "$shots/load-tall.png"
convert "$shots/load-tall.png" -crop 640x480+0+110 +repage -resize 800x600\! "$work/tall-frame.png"
check "a tall window has bars above and below and the whole frame between them" \
  '[[ "$(geometry)" == "640x700" && "$(pixel "$shots/load-tall.png" 320 50)" == "srgb(0,0,0)" && "$(pixel "$shots/load-tall.png" 320 650)" == "srgb(0,0,0)" ]] && similar "$work/tall-frame.png" "$shots/reference.png"'
wmctrl -i -r "$win" -b add,fullscreen; sleep 1.5
import -window root "$work/again.png"
convert "$work/again.png" -resize 800x600\! "$shots/load-fullscreen-again.png"
check "full-screen again fills the screen with the whole frame" \
  '[[ "$(geometry)" == "1024x768" ]] && similar "$shots/load-fullscreen-again.png" "$shots/reference.png"'
stop_game
check "no error on stderr" '! grep -v CRITICAL "$work/stderr" | grep -q .'
exit $fail
