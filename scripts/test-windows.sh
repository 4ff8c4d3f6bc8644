#!/usr/bin/env bash
# Cross-builds the core, korva-cli and the tests for Windows with mingw-w64
# into build-windows/ and runs the tests under wine with the Japanese code
# page (932), as a clerk's Windows runs them. Installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)

packages=(
  g++-mingw-w64-x86-64-posix  # the cross compiler, with std::thread
  wine wine64                 # runs the .exe files
  googletest                  # GoogleTest sources, built for Windows here
  locales                     # ja_JP.UTF-8, from which wine takes code page 932
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "test-windows: need root or sudo" >&2; exit 1; }
  sudo="sudo"
fi
if [ ${#missing[@]} -ne 0 ]; then
  echo "test-windows: installing ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  $sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi

dir=build-windows
cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
  >/dev/null
# Warnings fail the build here as they would be noticed nowhere else.
if ! cmake --build "$dir" -j"$(nproc)" >"$dir/build.log" 2>&1; then
  grep -E 'error|Error' "$dir/build.log" >&2
  echo "test-windows: the cross build failed (see $dir/build.log)" >&2
  exit 1
fi
if grep -q 'warning:' "$dir/build.log"; then
  grep -A3 'warning:' "$dir/build.log" >&2
  echo "test-windows: the cross build has warnings (see $dir/build.log)" >&2
  exit 1
fi
built=$(date +%s)

# A prefix of our own, made once; wine's first start takes a while.
export WINEPREFIX="$PWD/$dir/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
status=0
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" || status=$?
wineserver -w 2>/dev/null || true

end=$(date +%s)
echo "test-windows: build $((built - start)) s, tests $((end - built)) s, total $((end - start)) s" >&2
exit $status
