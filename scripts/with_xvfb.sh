#!/usr/bin/env bash
# with_xvfb.sh [-s WxH] COMMAND...: runs COMMAND on an Xvfb display of its
# own (never the user's), which Xvfb numbers itself and reports once it is
# ready; stops it afterwards.
set -uo pipefail
size=1024x768
if [[ ${1:-} == -s ]]; then size=$2; shift 2; fi
ready=$(mktemp -u) && mkfifo "$ready" || exit 1
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -f "$ready"' EXIT
read -r number <"$ready" || { echo "with_xvfb: Xvfb did not start" >&2; exit 1; }
DISPLAY=:$number "$@"
