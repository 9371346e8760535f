#!/usr/bin/env bash
# build.sh PRESET [--dir DIR] [--target TARGET]... [-DNAME=VALUE...]:
# configures and builds a CMake preset quietly (in DIR, by default the
# preset's own build/PRESET; all targets unless named), keeping the output in
# DIR.log; a failure shows its end.
set -uo pipefail
cd "$(dirname "$0")/.."
preset=${1:?usage: build.sh PRESET [--dir DIR] [--target TARGET] [-DNAME=VALUE...]}
shift
dir=build/$preset
target=()
while (($#)); do
  case $1 in
    --dir) dir=$2 && shift 2 ;;
    --target) target+=(--target "$2") && shift 2 ;;
    *) break ;;
  esac
done
log=$dir.log
mkdir -p "$(dirname "$log")"
if { cmake --preset "$preset" -B "$dir" "$@" && cmake --build "$dir" -j 2 "${target[@]}"; } >"$log" 2>&1; then
  exit 0
fi
# Ninja stops at the first failure, so the error is at the end.
echo "build: $preset failed (whole log: $log)" >&2
tail -n 60 "$log" >&2
exit 1
