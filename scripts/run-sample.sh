#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job on the bundled sample.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh
cli=build/bin/korva-cli
"$cli" --version
