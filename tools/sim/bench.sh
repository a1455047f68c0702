#!/bin/sh
# Times the autoplayer (default thinking) over all 129 levels x SEEDS seeds x
# the two limited modes, one process per mode and seed, two at a time.
#   tools/sim/bench.sh [BUILD_DIR] [SEEDS]    prints the outcome counts and the times
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
seeds=${2:-20}
sim=$build/amberwick-sim
levels=$(ls "$build"/Data/levels/pack1_*.lvl | sed 's/^/--level /' | tr '\n' ' ')
out=$(mktemp -d)
cpu=$(mktemp)
trap 'rm -rf "$out" "$cpu"' EXIT
start=$(date +%s.%N)
# Each run writes a file of its own: two runs sharing one output would
# interleave their buffered blocks and break lines.
for mode in adventure puzzle; do
    for s in $(seq 1 "$seeds"); do echo "$mode $s"; done
done | /usr/bin/time -o "$cpu" -f "cpu %U s user, %S s system" xargs -P 2 -n 2 sh -c \
    "$sim $levels --autoplay --mode \$0 --seed \$1 | grep '\"outcome\"' >$out/\$0-\$1"
end=$(date +%s.%N)
cat "$out"/* >"$out/all"
echo "runs: $(wc -l <"$out/all")  won: $(grep -c '"won"' "$out/all")  lost: $(grep -c '"lost"' "$out/all")"
echo "wall $(echo "$end - $start" | bc) s, $(cat "$cpu")"
