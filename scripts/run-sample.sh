#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job on the bundled
# sample: in the desktop program when a display is available, else (or with
# --cli) with the command line.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh
sample="examples/令和６年第１回定例会「本会議」@r0612t1-1.txt"

if [ "${1:-}" != "--cli" ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  # The program reads the settings file beside itself: a copy of it in a
  # folder of its own, with settings that open the sample and generate at once.
  work=build/sample-desktop
  mkdir -p "$work/html/css"
  cp build/bin/korva "$work/korva"
  cp "$sample" "$work/"
  cp examples/css/tryout.css "$work/html/"
  cp examples/css/minutes.css "$work/html/css/"
  root=$(cd "$work" && pwd)
  name=$(basename "$sample")
  html=${name#*@}
  iconv -f CP932 -t UTF-8 examples/korva.inf |
    sed -e "/^\[File\]/,/^\[/ s|^Global=[^\r]*|Global=$root/$name|" \
        -e "/^\[Local\]/,/^\[/ {
              s|^Root=[^\r]*|Root=$root/|; s|^Save=[^\r]*|Save=$root/html/|
              s|^Folder=[^\r]*|Folder=$root/html/|; s|^css=[^\r]*|css=css/minutes.css|
              s|^Html=[^\r]*|Html=${html%.txt}|
            }" |
    iconv -f UTF-8 -t CP932 > "$work/korva.inf"
  echo "korva: opening the sample in the desktop program ($work)"
  exec "$work/korva"
fi

cli=build/bin/korva-cli
"$cli" --version
"$cli" check "$sample"
# The colour-coded single document; prints its path.
"$cli" -q convert "$sample" --out build/sample-html
# The local three-file set with the sample style sheet; prints the path of its "-n.html".
"$cli" -q publish "$sample" --out build/sample-site | grep -e '-n\.html$'
