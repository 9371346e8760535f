#!/usr/bin/env bash
# callgrind_figures.sh BUILD_DIR: instruction counts that do not depend on
# how busy the machine is. Prints instructions per call of the portable tick
# (engine and tray icon, stub platform) and of one 100,000-record load.
set -euo pipefail
build=${1:?usage: callgrind_figures.sh BUILD_DIR (a native build with benchmarks)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# per_call OUT FUNCTION: instructions collected / calls of FUNCTION.
per_call() {
  local out=$1 function=$2
  local total calls
  total=$(sed -nE 's/^summary: ([0-9]+)/\1/p' "$out")
  # The call arcs into the function name it by the id its first mention got.
  local id
  id=$(grep -m1 -E "^c?fn=\([0-9]+\) $function" "$out" | sed -E 's/^c?fn=\(([0-9]+)\).*/\1/')
  calls=$(awk -v id="cfn=($id)" '$0 == id || index($0, id " ") == 1 {take = 1; next}
    take && /^calls=/ {split($1, c, "="); sum += c[2]} {take = 0} END {print sum + 0}' "$out")
  echo "$total $calls" | awk -v f="$function" \
    '{printf "%s: %d instructions over %d calls = %.0f per call\n", f, $1, $2, $1 / $2}'
}

valgrind --tool=callgrind --collect-atstart=no \
  --toggle-collect='kx::TickerEngine::ScrollAndPublish*' \
  --toggle-collect='kx::TrayIcon::ShowPicture*' \
  --toggle-collect='kx::TickerEngine::AdvanceColumn*' \
  --callgrind-out-file="$work/tick.out" \
  "$build/bench/kx_ticker_bench" --benchmark_filter=BM_TickWithIcon \
  --benchmark_min_time=0.05 >/dev/null 2>&1
per_call "$work/tick.out" 'kx::TickerEngine::ScrollAndPublish'

valgrind --tool=callgrind --collect-atstart=no --toggle-collect='kx::LoadQuestions*' \
  --callgrind-out-file="$work/load.out" \
  "$build/bench/kx_bench" --benchmark_filter='BM_LoadQuestions/100000$' \
  --benchmark_min_time=0.01 >/dev/null 2>&1
per_call "$work/load.out" 'kx::LoadQuestions'
