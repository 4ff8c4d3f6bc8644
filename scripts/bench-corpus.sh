#!/usr/bin/env bash
# Whole-process figures of korva-cli on real text: the real minutes of
# tests/data/corpus repeated to about 11 MB (CP932, mixed CR LF and LF). In
# every round each command runs right after `iconv -f CP932 -t UTF-8` of the
# same input, so that a busy machine slows both alike; the figures are the
# medians over the rounds of
#   CPU time (user + system) of the command / CPU time of that iconv run,
#   wall time of the command / wall time of that iconv run,
#   peak memory (maximum resident set) of the command / size of its input.
# Usage: scripts/bench-corpus.sh [ROUNDS]   (default 7)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-7}

bash scripts/setup.sh
bash scripts/build.sh korva-cli >/dev/null
cli=$PWD/build/bin/korva-cli

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
corpus="$work/minutes@corpus.txt"
for _ in $(seq 40); do cat tests/data/corpus/*.txt; done >"$corpus"
size=$(stat -c %s "$corpus")
echo "corpus: $size bytes, $(wc -l <"$corpus") lines; $rounds rounds"

# One timed run: prints "cpu wall peak_kib" for the command given. The CPU
# time comes from the shell's own account of its children (`times`, to the
# millisecond): GNU time prints it to 10 ms only, a seventh of what iconv
# takes here.
children_cpu() {
  awk 'FNR == 2 { split($1, u, /[ms]/); split($2, s, /[ms]/)
                  t = u[1] * 60 + u[2] + s[1] * 60 + s[2]; if (NR == FNR) b = t; else a = t }
       END { printf "%.4f", a - b }' "$1" "$2"
}
measure() {
  local start end
  times >"$work/before"
  start=$EPOCHREALTIME
  /usr/bin/time -f '%M' -o "$work/time" "$@" >/dev/null 2>"$work/stderr" || {
    echo "failed: $*" >&2
    cat "$work/stderr" >&2
    exit 1
  }
  end=$EPOCHREALTIME
  times >"$work/after"
  awk -v cpu="$(children_cpu "$work/before" "$work/after")" -v s="$start" -v e="$end" \
    '{ printf "%.4f %.4f %d\n", cpu, e - s, $1 }' "$work/time"
}

# The 15 MB document that colorize reads.
"$cli" -q convert "$corpus" --out "$work/html" >/dev/null
html="$work/html/corpus.html"

commands=(table convert convert-utf8 publish publish-web colorize)
run() {
  local out="$work/out"
  rm -rf "$out" "$work/web"
  case $1 in
    table) measure "$cli" table "$corpus" ;;
    convert) measure "$cli" -q convert "$corpus" --out "$out" ;;
    convert-utf8) measure "$cli" -q convert "$corpus" --out "$out" --utf8 ;;
    publish) measure "$cli" -q publish "$corpus" --out "$out" ;;
    publish-web) measure "$cli" -q publish "$corpus" --out "$out" --web "$work/web" ;;
    colorize) measure "$cli" colorize "$html" ;;
  esac
}
input_of() { if [ "$1" = colorize ]; then echo "$html"; else echo "$corpus"; fi; }

: >"$work/ratios"
for round in $(seq "$rounds"); do
  for c in "${commands[@]}"; do
    input=$(input_of "$c")
    read -r icpu iwall _ < <(measure iconv -f CP932 -t UTF-8 "$input")
    read -r cpu wall peak < <(run "$c")
    awk -v c="$c" -v cpu="$cpu" -v wall="$wall" -v peak="$peak" -v icpu="$icpu" -v iwall="$iwall" \
      -v size="$(stat -c %s "$input")" \
      'BEGIN { if (icpu < 0.001) icpu = 0.001;
               printf "%s %.3f %.3f %.3f\n", c, cpu / icpu, wall / iwall, peak * 1024 / size }' \
      >>"$work/ratios"
  done
  echo "round $round done" >&2
done

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
printf '%-14s %12s %12s %8s %14s %8s\n' command "cpu÷iconv" "wall÷iconv" target "peak÷input" target
for c in "${commands[@]}"; do
  case $c in
    table) t=1.5 m=3 ;;
    convert) t=2 m=4 ;;
    convert-utf8) t=2.5 m=4 ;;
    publish) t=3.5 m=5 ;;
    publish-web) t=5 m=5 ;;
    *) t=- m=- ;;
  esac
  cpu=$(awk -v c="$c" '$1 == c { print $2 }' "$work/ratios" | median)
  wall=$(awk -v c="$c" '$1 == c { print $3 }' "$work/ratios" | median)
  mem=$(awk -v c="$c" '$1 == c { print $4 }' "$work/ratios" | median)
  printf '%-14s %12.2f %12.2f %8s %14.2f %8s\n' "$c" "$cpu" "$wall" "$t" "$mem" "$m"
done
