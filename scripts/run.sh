#!/usr/bin/env bash
# Builds the program and starts it under Wine in a virtual desktop, with the
# bundled quiz. On a machine without a display it runs on Xvfb and saves a
# screenshot of the desktop every second under build/run/screens until
# stopped (Ctrl+C).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/setup.sh
# Quiet while it works; a failed build shows its output and stops here.
build() {
  local log
  log=$(mktemp)
  if ! { cmake --preset "$1" && cmake --build --preset "$1" -j 2; } >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    echo "run: the $1 build failed" >&2
    exit 1
  fi
  rm -f "$log"
}
build native
build win64

run="$root/build/run"
mkdir -p "$run/screens"
exe=$(find build/win64 -name KX_RuvoZava.exe -print -quit)
cp "$exe" "$run/KX_RuvoZava.exe"
cp build/native/quiz/bundled.kxd "$run/bundled.kxd"

export WINEPREFIX="$root/build/wine-run" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
scripts/wine_prefix.sh

# First run: point the settings at the bundled quiz. Later runs keep what the
# user chose.
if [[ ! -f "$run/KXT.ini" ]]; then
  printf '[FilePath]\r\nKX_FILE=%s\r\n' "$(winepath -w "$run/bundled.kxd")" >"$run/KXT.ini"
fi

pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wineserver -k 2>/dev/null || true
}
trap cleanup EXIT INT TERM

if [[ -z "${DISPLAY:-}" ]]; then
  display=:$((90 + RANDOM % 9))
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
  pids+=($!)
  export DISPLAY=$display
  sleep 1
  (
    n=0
    while sleep 1; do
      import -window root "$run/screens/$(printf '%05d' $n).png" 2>/dev/null || true
      n=$((n + 1))
    done
  ) &
  pids+=($!)
  echo "run: no display; screenshots every second in $run/screens (Ctrl+C stops)"
fi

cd "$run"
wine explorer /desktop=KX_RuvoZava,1024x768 KX_RuvoZava.exe
