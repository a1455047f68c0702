#!/usr/bin/env bash
# Builds everything (installing missing Debian packages when run as root) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
builddir="${AW_BUILD_DIR:-build}"
cmake -S . -B "$builddir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$builddir"
ctest --test-dir "$builddir" --output-on-failure -j2
