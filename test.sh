#!/usr/bin/env bash
# Builds everything (installing missing Debian packages when run as root) and runs every test.
#   ./test.sh             the normal build in build/ and every test
#   ./test.sh --sanitize  the same tests built with AddressSanitizer and
#                         UndefinedBehaviorSanitizer (clang) in build-sanitize/,
#                         on the data set of the normal build; any report fails
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
builddir="${AW_BUILD_DIR:-build}"
mode="${1:-}"
if [[ -n "$mode" && "$mode" != "--sanitize" ]]; then
  echo "usage: $0 [--sanitize]" >&2
  exit 2
fi

cmake -S . -B "$builddir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [[ "$mode" != "--sanitize" ]]; then
  cmake --build "$builddir"
  ctest --test-dir "$builddir" --output-on-failure -j2
  exit 0
fi

# The sanitizer build shares the normal build's data set, so only that is built there.
cmake --build "$builddir" --target aw_data
sandir="${AW_SANITIZE_BUILD_DIR:-${builddir}-sanitize}"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$sandir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 "${launcher[@]}" \
  -DAW_SANITIZE=ON -DAW_SHARED_DATA_BUILD="$(cd "$builddir" && pwd)" >/dev/null
supp="$(pwd)/tests/sanitize"
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_SYMBOLIZER_PATH="$(command -v llvm-symbolizer-14 || true)"
cmake --build "$sandir"
# Left out: the autoplayed playthroughs repeat, far slower, what the normal
# run checks (the simulator itself still runs sanitized in the board tests);
# the end-to-end run waits fixed times that a sanitized game does not meet;
# the picture checks repaint every picture per test, so one of them runs
# the sanitized painter and the normal run checks the rest.
ctest --test-dir "$sandir" --output-on-failure -j2 \
  -E '^(LevelPlaythrough\.|e2e\.|Pictures\.[^E])'
