#!/usr/bin/env bash
# Publishes small minutes with korva-cli (local and web set), loads each set's
# three files headless in Chromium from disk and fails unless every link
# resolves and every pane has a size. Usage: check_published_sets.sh KORVA_CLI WORK_DIR [MINUTES]
set -euo pipefail

cli=${1:?korva-cli path}
work=${2:?work folder}
minutes=${3:-}
here=$(cd "$(dirname "$0")" && pwd)

browser=""
for name in chromium chromium-browser google-chrome; do
  if command -v "$name" >/dev/null 2>&1; then browser=$(command -v "$name"); break; fi
done
if [ -z "$browser" ]; then
  echo "FAIL: no Chromium found (chromium, chromium-browser or google-chrome); run scripts/setup.sh" >&2
  exit 1
fi

rm -rf "$work"
mkdir -p "$work"
if [ -z "$minutes" ]; then
  # Minutes with an agenda, speakers of both panes' categories, a continuation
  # and a quotation, in Shift_JIS like a clerk's file.
  minutes="$work/ブラウザ確認@browser-check.txt"
  iconv -f UTF-8 -t CP932 > "$minutes" <<'MINUTES'
　　　令和６年１２月定例会　本会議（第２号）
▼開議
○議長（山田太郎君）　ただいまから本日の会議を開きます。
▼一般質問
○議長（山田太郎君）　一般質問を行います。鈴木花子君。
◆１番（鈴木花子君）　市長に伺います。
　二つ目の質問です。
○議長（山田太郎君）　市長。
◎市長（佐藤一郎君）　お答えいたします。
◇総務部長（高橋三郎君）　補足いたします。
○議長（山田太郎君）　これで散会いたします。
MINUTES
fi

"$cli" -q publish "$minutes" --out "$work/local" --web "$work/web" > "$work/written.txt"

status=0
for set in local web; do
  normal=$(grep "/$set/.*-n\.html$" "$work/written.txt" | head -1)
  if [ -z "$normal" ]; then
    echo "FAIL: korva-cli wrote no $set -n.html" >&2
    status=1
    continue
  fi
  folder=$(dirname "$normal")
  base=$(basename "$normal" -n.html)
  cp "$here/set_check.html" "$folder/set_check.html"
  if [ "$set" = web ]; then
    # The web set links a style sheet on the web server; give it the sample one.
    mkdir -p "$work/css" && cp "$work/local/css/minutes.css" "$work/css/minutes.css"
  fi
  profile=$(mktemp -d)
  dom=$(timeout 120 "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$profile" --allow-file-access-from-files --window-size=1400,900 \
    --virtual-time-budget=10000 --dump-dom "file://$folder/set_check.html?base=$base" 2>/dev/null) || true
  rm -rf "$profile"
  verdict=$(printf '%s\n' "$dom" | perl -0 -ne 'print $1 if /<pre id="verdict">(.*?)<\/pre>/s')
  printf "%s set: %s\n" "$set" "$verdict"
  case "$verdict" in
    PASS*) ;;
    *) echo "FAIL: the $set set did not pass the browser check" >&2; status=1 ;;
  esac
done
exit $status
