#!/usr/bin/env bash
# Measures the main window on the 100k-line synthetic minutes: open and
# generate with both HTML panes shown, scrolling stalls, peak memory; then the
# HTML source window: opening it on the body HTML, coloured, and scrolling it.
# Times are wall and CPU time: on a shared machine the wall time also counts
# the waits for a core.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/bin/korva-generate-minutes 100000 > "$work/minutes@bench.txt"
for run in 1 2 3; do
  echo "== run $run"
  QT_QPA_PLATFORM=offscreen build/bin/korva-gui-bench "$work/minutes@bench.txt" examples/korva.inf \
    2> >(grep -v -e OpenType -e propagateSizeHints -e XDG_RUNTIME_DIR >&2)
done
