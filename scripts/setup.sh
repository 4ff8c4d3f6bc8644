#!/usr/bin/env bash
# Installs every Debian package the project needs. Idempotent; quiet when all is there.
set -euo pipefail

packages=(
  g++ cmake make pkg-config   # toolchain
  libgtest-dev libgmock-dev   # unit tests
  libbenchmark-dev time       # benchmarks and their peak-memory figure
  clang-format                # formatting
  chromium                    # browser check of the published sets
  qt6-base-dev                # the desktop program (Qt 6 Widgets, Qt Test)
  qt6-webengine-dev           # the desktop program's browser preview panes
  fonts-ipafont-gothic        # Japanese glyphs for the window, its tests and screenshots
  pandoc                      # reads back the RTF of colorize in the tests
  clang-16 libclang-rt-16-dev # the fuzz targets: libFuzzer and sanitizers (clang 14 crashes on the core)
  llvm-16                     # llvm-symbolizer: source lines in fuzz crash reports
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "setup: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
echo "setup: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
