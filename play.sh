#!/usr/bin/env bash
# Builds everything (installing missing Debian packages when run as root) and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
exec build/amberwick "$@"
