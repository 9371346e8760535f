#!/usr/bin/env bash
# run_soak.sh KX_SOAK_EXE [OPTIONS]: runs the soak under Wine. Wine makes no
# window without an X display, so one of its own is started when none is set.
set -uo pipefail
exe=$1
shift

if [[ -z "${DISPLAY:-}" ]]; then
  display=
  for n in $(seq 200 279); do
    if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then display=:$n; break; fi
  done
  [[ -n "$display" ]] || { echo "run_soak: no free X display number"; exit 1; }
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null' EXIT
  export DISPLAY=$display
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

WINEDEBUG=${WINEDEBUG:--all} wine "$exe" "$@"
