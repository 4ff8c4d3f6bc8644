#!/usr/bin/env bash
# Configures and builds into build/ (or build-sanitize/ with --sanitize); any
# further arguments name the only targets to build.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  flags=(-DCMAKE_BUILD_TYPE=Debug -DKORVA_SANITIZE=ON -DKORVA_BUILD_BENCH=OFF)
  shift
fi
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake -S . -B "$dir" "${flags[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
