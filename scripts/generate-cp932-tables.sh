#!/usr/bin/env bash
# Regenerates src/text/cp932_tables.cpp from glibc's CP932 converter (iconv).
# The generated file is committed: the program itself never uses iconv, so its
# bytes are the same on every system. Run again only to re-derive the table.
set -euo pipefail
cd "$(dirname "$0")/.."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++20 -O2 -Wall -Wextra -o "$work/generate" scripts/cp932/generate_cp932_tables.cpp
"$work/generate" src/text/cp932_tables.cpp
clang-format -i src/text/cp932_tables.cpp
