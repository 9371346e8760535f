#!/usr/bin/env bash
# Builds the program and starts it under Wine in a virtual desktop, beside
# the bundled quiz. On a machine without a display it runs on an Xvfb of its
# own and saves a screenshot of the desktop every second under
# build/run/screens until stopped (Ctrl+C). Run it as `make run`, which
# installs the packages first.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
run="$root/build/run"
export WINEPREFIX="$root/build/wine-run" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Without a locale Wine cannot name files in Japanese: a bare system sets none.
[[ -n ${LC_ALL:-}${LC_CTYPE:-}${LANG:-} ]] || export LANG=C.UTF-8

if [[ ${1:-} != --on-xvfb ]]; then
  # Only what running needs: the tests come with `make test`.
  scripts/build.sh native --target kxd_bundled_quiz
  scripts/build.sh win64 --target KX_RuvoZava --target kxd
  mkdir -p "$run"
  cp build/win64/src/win32/KX_RuvoZava.exe "$run/KX_RuvoZava.exe"
  cp build/native/quiz/bundled.kxd "$run/bundled.kxd"
  scripts/wine_prefix.sh
  # No KXT.ini is written: on the first run the program finds the bundled
  # quiz beside itself and stores it, as on a fresh unpack; later runs keep
  # what the user chose.
  if [[ -z ${DISPLAY:-} ]]; then
    echo "run: no display; screenshots every second in $run/screens (Ctrl+C stops)"
    exec scripts/with_xvfb.sh "$0" --on-xvfb
  fi
fi

shooter=
cleanup() {
  [[ -n $shooter ]] && kill "$shooter" 2>/dev/null
  wineserver -k 2>/dev/null || true
}
trap cleanup EXIT INT TERM

if [[ ${1:-} == --on-xvfb ]]; then
  rm -rf "$run/screens" && mkdir -p "$run/screens"
  (
    n=0
    while sleep 1; do
      import -window root "$run/screens/$(printf '%05d' $n).png" 2>/dev/null || true
      n=$((n + 1))
    done
  ) &
  shooter=$!
fi

cd "$run"
wine explorer /desktop=KX_RuvoZava,1024x768 KX_RuvoZava.exe
