#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a
# packager see; then starts the installed game headless from an unrelated
# directory and lets it run through its splash and start-up load.
# Usage: install_test.sh BUILD_DIR APP_ID
set -uo pipefail
build="$1"
app_id="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
fail=0
check() { if eval "$2"; then echo "ok - $1"; else echo "FAIL - $1"; fail=1; fi; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1
check "cmake --install succeeds" '[[ $? -eq 0 ]]'
check "the executable is bin/amberwick" '[[ -x "$prefix/bin/amberwick" ]]'
check "the data set is share/amberwick/Data" \
  '[[ -f "$prefix/share/amberwick/Data/splash1.jpg" && -f "$prefix/share/amberwick/Data/targa.dat" && -f "$prefix/share/amberwick/Data/levels/pack1_129.lvl" && -d "$prefix/share/amberwick/Data/Sounds" ]]'
check "the data set is complete" \
  '[[ $(cd "$build/Data" && find . -type f | sort | md5sum) == $(cd "$prefix/share/amberwick/Data" && find . -type f | sort | md5sum) ]]'
desktop="$prefix/share/applications/$app_id.desktop"
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
check "the desktop entry is named by the application id" '[[ -f "$desktop" ]]'
check "desktop-file-validate accepts it" 'desktop-file-validate "$desktop"'
check "the entry starts the game with its icon and window class" \
  'grep -qx "Exec=amberwick" "$desktop" && grep -qx "Icon=$app_id" "$desktop" && grep -qx "StartupWMClass=$app_id" "$desktop"'
for size in 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  check "the ${size}px icon is a ${size}x${size} picture with alpha" \
    '[[ "$(identify -format "%wx%h %[channels]" "$png" 2>/dev/null)" == "${size}x${size} srgba"* ]]'
done
check "the scalable icon is an SVG" \
  'head -c 200 "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" | grep -q "<svg"'
check "appstreamcli accepts the metadata" 'appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 || { cat "$work/appstream.log"; false; }'
check "the metadata has its id, entry, description, screenshots, rating and release" \
  'grep -q "<id>$app_id</id>" "$metainfo" && grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" && grep -q "<description>" "$metainfo" && [[ $(grep -c "<image>.*\.png</image>" "$metainfo") -ge 2 ]] && grep -q "<content_rating type=\"oars-1.1\"" "$metainfo" && grep -q "<release version=" "$metainfo"'

# The installed game from another directory, with no Data beside it: it must
# find share/amberwick/Data, show both splash pictures, run the start-up load
# and write the player files when it is closed.
elsewhere="$work/elsewhere"
mkdir -p "$elsewhere" "$work/run" && chmod 700 "$work/run"
(
  cd "$elsewhere" || exit 1
  export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
  "$prefix/bin/amberwick" 2>"$work/stderr" & pid=$!
  settings="$XDG_DATA_HOME/amberwick/settings"
  # The load starts after the two 4-second pictures; it sets up the settings
  # directory, then reads everything else.
  for _ in $(seq 1 150); do
    [[ -d "$settings" ]] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  sleep 2
  kill -TERM "$pid"
  wait "$pid"
  echo $? >"$work/code"
)
check "the installed game ran from elsewhere and closed with code 0" '[[ "$(cat "$work/code")" == 0 ]]'
check "it got through its start-up load (player files written at exit)" \
  '[[ $(stat -c %s "$work/home/amberwick/settings/records.dat" 2>/dev/null) -eq 37152 ]]'
check "no error on stderr" '! grep -v CRITICAL "$work/stderr" | grep -q . || { cat "$work/stderr"; false; }'
exit $fail
