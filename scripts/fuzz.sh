#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) into build-fuzz/ and runs
# each for SECONDS (default 60) on a scratch copy of its seed corpus. Prints
# per target the executions, exec/s and coverage; exits non-zero on any
# crash, leak, hang (> 2 s an input), memory blow-up or sanitizer report,
# keeping the crashing input (its path is in the output).
# FUZZ_TARGETS="a b" runs only those targets; KORVA_FUZZ_SEED=N repeats the
# runs of seed N (0, the default, takes a new seed each time).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
dir=build-fuzz
targets=(${FUZZ_TARGETS:-minutes_to_sets settings_round_trip unwrap_modes html_tokens prepare_minutes sjis_search})

# Debian 12's clang 14 crashes on the core's "…"_sj literals inside lambdas.
command -v clang++-16 >/dev/null || bash scripts/setup.sh
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-16 \
  -DKORVA_FUZZ=ON >/dev/null
build=()
for t in "${targets[@]}"; do build+=(--target "fuzz_$t"); done
start=$(date +%s)
if ! cmake --build "$dir" -j"$(nproc)" "${build[@]}" >"$dir/build.log" 2>&1; then
  grep -vE '^\[ *[0-9]+%\]' "$dir/build.log" | tail -40 >&2
  echo "fuzz: the build failed (log: $dir/build.log)" >&2
  exit 1
fi
grep -E 'warning:' "$dir/build.log" >&2 || true
echo "fuzz: built in $(($(date +%s) - start)) s" >&2

work="$dir/runs"
symbolizer=$(command -v llvm-symbolizer-16 || true)
failed=0
for t in "${targets[@]}"; do
  corpus="$work/$t/corpus"
  rm -rf "${work:?}/$t"
  mkdir -p "$corpus" "$work/$t/artifacts"
  cp tests/fuzz/corpus/"$t"/* "$corpus"/
  [ -d tests/fuzz/regressions/"$t" ] && cp tests/fuzz/regressions/"$t"/* "$corpus"/
  log="$work/$t/log"
  status=0
  ASAN_OPTIONS="detect_leaks=1${symbolizer:+:external_symbolizer_path=$symbolizer}" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$dir/fuzz/fuzz_$t" "$corpus" -max_total_time="$seconds" -timeout=2 -rss_limit_mb=2048 \
    -dict=tests/fuzz/"$t".dict -artifact_prefix="$work/$t/artifacts/" -print_final_stats=1 \
    -seed="${KORVA_FUZZ_SEED:-0}" \
    >"$log" 2>&1 || status=$?
  # libFuzzer's last status line: "#N<tab>DONE cov: C ft: F corp: ... exec/s: E ...".
  last=$(grep -E '^#[0-9]+[[:space:]]' "$log" | tail -1 || true)
  execs=$(grep -oE '^stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$' || true)
  rate=$(grep -oE '^stat::average_exec_per_sec: *[0-9]+' "$log" | grep -oE '[0-9]+$' || true)
  cov=$(grep -oE 'cov: [0-9]+' <<<"$last" | grep -oE '[0-9]+' || true)
  ft=$(grep -oE 'ft: [0-9]+' <<<"$last" | grep -oE '[0-9]+' || true)
  printf '%-20s executions %-10s exec/s %-7s cov %-6s ft %s\n' \
    "$t" "${execs:-?}" "${rate:-?}" "${cov:-?}" "${ft:-?}"
  if [ "$status" -ne 0 ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:|property broken' "$log"; then
    failed=1
    echo "fuzz: $t FAILED (exit $status); log: $log" >&2
    grep -E 'ERROR:|runtime error:|property broken|SUMMARY|Test unit written to' "$log" | head -20 >&2
  fi
done
exit "$failed"
