#!/usr/bin/env bash
# Measures the performance figures: throughput of each stage on synthetic
# and on real minutes (Google Benchmark, CPU time, MiB/s) and the peak memory of a whole
# korva-cli convert run at 100k lines.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh >/dev/null
bin=build/bin

"$bin/korva-bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
  --benchmark_filter='BM_Analyse(Real)?Minutes/(10000|100000)$|BM_PrepareMinutes/(10000|100000)$|BM_Convert(Real)?MinutesToHTML/100000|BM_Publish(Real)?Minutes/100000|HtmlToRtf'

# The first publishing run of a process, each in a process of its own, and
# what touching a fresh page costs on this machine.
"$bin/korva-bench" --benchmark_filter='BM_FirstTouchOfFreshPages' 2>/dev/null | grep FirstTouch
for run in 1 2 3; do
  "$bin/korva-bench" --benchmark_filter='BM_PublishMinutesFirstRun' 2>/dev/null | grep FirstRun
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bin/korva-generate-minutes" 100000 > "$work/minutes@bench.txt"
size=$(stat -c %s "$work/minutes@bench.txt")
peak_kib=$(/usr/bin/time -f '%M' "$bin/korva-cli" -q convert "$work/minutes@bench.txt" \
  --out "$work/out" 2>&1 >/dev/null | tail -1)
echo "convert, 100k lines: input $size bytes, peak memory ${peak_kib} KiB" \
  "($(awk -v k="$peak_kib" -v s="$size" 'BEGIN { printf "%.1f", k * 1024 / s }') x the input)"
