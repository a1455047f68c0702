#!/usr/bin/env bash
# Fuzzes every parser: builds the libFuzzer targets of tests/fuzz with clang,
# ASan and UBSan in build-fuzz/, then runs each for SECONDS (default 60).
#   tools/fuzz/run.sh [SECONDS] [TARGET...]
# Each target starts from its seeds (tests/fuzz/corpus/<target>) and its kept
# regressions, grows a working corpus in build-fuzz/corpus/<target>, and leaves
# any crashing, leaking or hanging input in build-fuzz/crashes/<target>/.
# Ends with a line per target and fails when any target found a fault.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${1:-60}"
shift || true
tools/deps.sh
dir="${AW_FUZZ_BUILD_DIR:-build-fuzz}"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 "${launcher[@]}" -DAW_FUZZ=ON >/dev/null
cmake --build "$dir" --target aw_fuzz_targets

targets=("$@")
if ((${#targets[@]} == 0)); then
  for t in tests/fuzz/corpus/*/; do targets+=("$(basename "$t")"); done
fi
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1"
export ASAN_SYMBOLIZER_PATH="$(command -v llvm-symbolizer-14 || true)"
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
summary=()
failed=0
for t in "${targets[@]}"; do
  bin="$dir/fuzz-$t"
  [[ -x "$bin" ]] || { echo "no fuzz target $t" >&2; exit 2; }
  mkdir -p "$dir/corpus/$t" "$dir/crashes/$t"
  inputs=("tests/fuzz/corpus/$t")
  [[ -d "tests/fuzz/regressions/$t" ]] && inputs+=("tests/fuzz/regressions/$t")
  log="$dir/fuzz-$t.log"
  echo "== $t: $seconds s"
  status=0
  "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$dir/crashes/$t/" "$dir/corpus/$t" "${inputs[@]}" >"$log" 2>&1 || status=$?
  runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')"
  if ((status != 0)); then
    failed=1
    summary+=("$t: $runs executions, FAULT (exit $status), inputs in $dir/crashes/$t, log $log")
    grep -m1 -E 'ERROR|runtime error|check failed' "$log" || true
  else
    summary+=("$t: $runs executions, no fault")
  fi
done
printf '%s\n' "${summary[@]}"
exit "$failed"
