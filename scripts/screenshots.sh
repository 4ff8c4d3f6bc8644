#!/usr/bin/env bash
# Pictures of the main window with the bundled sample, taken without a
# display, into docs/screenshots/ (or the folder given).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh >/dev/null
out=${1:-docs/screenshots}
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.webenginecontext.info=false" \
  build/bin/korva-screenshots . "$out" \
  2> >(grep -v -e OpenType -e propagateSizeHints -e XDG_RUNTIME_DIR -e "does not support raise" \
         -e "Sandboxing disabled" -e "WebEngineContext used before" -e "graphics backend" >&2)
