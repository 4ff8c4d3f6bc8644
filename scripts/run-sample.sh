#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job on the bundled sample.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh
cli=build/bin/korva-cli
"$cli" --version
sample="examples/令和６年第１回定例会「本会議」@r0612t1-1.txt"
"$cli" check "$sample"
# The colour-coded single document; prints its path.
"$cli" -q convert "$sample" --out build/sample-html
# The local three-file set with the sample style sheet; prints the path of its "-n.html".
"$cli" -q publish "$sample" --out build/sample-site | grep -e '-n\.html$'
