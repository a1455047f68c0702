#!/usr/bin/env bash
# Every required file of the start: for each one, the game runs on a copy of
# the data set without it (a packed file is packed again without it) and
# must stop with exit status 1 and the loading error naming the file on
# stderr (a picture's own error for a picture, the file error for the rest).
#   tools/soak/fatal_paths.sh GAME DATA [--quick] [--match REGEX] [--jobs N]
# --quick takes one file of each kind; --match only the files whose line
# ("disk PATH" or "ARCHIVE ENTRY") matches the extended regular expression.
# Optional files are left out, each with the reason; a file that is not on
# either list is taken as required, so a new file is checked from the start.
set -euo pipefail
game="$(realpath "$1")"
data="$(realpath "$2")"
shift 2
quick=0
match=''
jobs=2
while (($#)); do
  case "$1" in
    --quick) quick=1 ;;
    --match) match="$2"; shift ;;
    --jobs) jobs="$2"; shift ;;
    *) echo "usage: $0 GAME DATA [--quick] [--match REGEX] [--jobs N]" >&2; exit 2 ;;
  esac
  shift
done
pack="$(dirname "$game")/amberwick-pack"
[[ -x "$game" && -x "$pack" && -d "$data" ]] || { echo "fatal_paths: needs the game, amberwick-pack and DATA" >&2; exit 2; }

# Not required at the start, so their absence is no fatal path:
optional=(
  'targa.dat' 'jpeg.dat' 'texts.dat'   # a missing archive is skipped (its files are checked one by one)
  'splash2.jpg'                        # probed first; one picture is then shown
  'mapspline.spl'                      # the built-in course of the map stands in
  'trophyes/trophy.cfg'                # a default room layout is built
  'music.mo3' 'Sounds/*'               # the game goes on silently
  'effects/*'                          # a missing effect name does nothing
  'mask/*' 'artefacts/*'               # the map's pieces and treasures: a stand-in picture is drawn
  'AnimBacks/level16.lev' 'AnimBacks/level17.lev'  # read when a level or the room needs them
  'AnimBacks/_a_back*'                 # the same; the menu's own once "main" opens, after a profile
  'cursor*.tga'                        # the custom cursor is an option
  'icon.tga'                           # never read: the window's icon is built into the game
)

is_optional() {
  local f="$1" p
  for p in "${optional[@]}"; do [[ "$f" == $p ]] && return 0; done
  return 1
}

work="$(mktemp -d /tmp/amberwick-fatal-XXXXXX)"
trap 'rm -rf "$work"' EXIT

# The list: "disk PATH" for a plain file, "ARCHIVE ENTRY" for a packed one.
list="$work/list"
: >"$list"
while IFS= read -r f; do
  is_optional "$f" || echo "disk $f" >>"$list"
done < <(cd "$data" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
for a in targa.dat jpeg.dat texts.dat; do
  [[ -f "$data/$a" ]] || continue
  "$pack" list "$data/$a" | cut -f1 | while IFS= read -r e; do
    is_optional "${e//\\//}" || echo "$a $e" >>"$list"
  done
done
if ((quick)); then
  # One of a kind: a picture on disk, a level, a packed picture, a packed text.
  { grep -m1 '^disk loadscreen.jpg$' "$list"; grep -m1 '^disk levels/' "$list"
    grep -m1 '^targa.dat ' "$list"; grep -m1 '^texts.dat strings.txt$' "$list"; } >"$list.quick" || true
  mv "$list.quick" "$list"
fi
if [[ -n "$match" ]]; then
  grep -E -- "$match" "$list" >"$list.match" || true
  mv "$list.match" "$list"
fi

# One run, given "N WHERE NAME": prints "ok WHERE NAME" or "FAIL WHERE NAME: why".
check_one() {
  local n where name
  read -r n where name <<<"$1"
  local dir="$work/run$n"
  mkdir -p "$dir/home" "$dir/runtime"
  chmod 700 "$dir/runtime"
  cp -al "$data" "$dir/Data"
  # One splash picture instead of two: the runs wait half as long.
  rm -f "$dir/Data/splash2.jpg"
  if [[ "$where" == disk ]]; then
    rm -f "$dir/Data/$name"
  else
    "$pack" extract "$data/$where" "$dir/unpacked" >/dev/null
    rm -f "$dir/unpacked/${name//\\//}"
    rm -f "$dir/Data/$where"
    (cd "$dir" && find unpacked -type f -print0 | LC_ALL=C sort -z |
      xargs -0 "$pack" create "Data/$where" --root unpacked >/dev/null)
  fi
  local status=0
  (cd "$dir" && env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy \
    XDG_DATA_HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" \
    timeout 90 "$game" >"$dir/stdout" 2>"$dir/stderr") || status=$?
  # The game names the file as it asked for it: a path below Data or the bare
  # name, or for "_a_X.jpg" the picture "X.tga" that it stands in for.
  local base="${name##*\\}"
  base="${base##*/}"
  local asked="$base"
  [[ "$base" == _a_*.jpg ]] && asked="${base#_a_}" && asked="${asked%.jpg}.tga"
  local said
  said="$(grep -E "^(Loading Error: Can't load |Loading error: Couldn't load texture: )" "$dir/stderr" || true)"
  if ((status != 1)); then
    echo "FAIL $where $name: exit status $status, not 1"
  elif ! grep -qiF -e "$base" -e "$asked" <<<"$said"; then
    echo "FAIL $where $name: stderr does not name it: $(head -c 300 "$dir/stderr" | tr '\n' ' ')"
  else
    echo "ok $where $name"
  fi
  rm -rf "$dir"
}
export -f check_one
export work data game pack

total=$(wc -l <"$list")
start=$SECONDS
# Whole lines, no quoting: packed names hold backslashes.
awk '{print NR" "$0}' "$list" | xargs -d '\n' -n 1 -P "$jobs" bash -c 'check_one "$1"' _ >"$work/results"
LC_ALL=C sort -k2 "$work/results"
failed=$(grep -c '^FAIL' "$work/results" || true)
echo "fatal paths: $total files checked, $failed failed, $((SECONDS - start)) s"
((failed == 0))
