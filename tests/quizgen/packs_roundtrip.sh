#!/usr/bin/env bash
# Every pack in a folder must pass kxd and dump back to its CSV.
#   packs_roundtrip.sh KXD DIR
set -euo pipefail
kxd=$1
# kxd speaks as the locale says, and adds nothing when no one sits at its
# console; output it cannot write is a failure.
[[ $(LC_ALL= LC_MESSAGES= LANG=ja_JP.UTF-8 "$kxd" help 2>&1) == 使い方*ファイルがあった。 ]]
if "$kxd" --version >/dev/full; then exit 1; fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for csv in "$2"/*.csv; do
  if (($(wc -l <"$csv") > 1)); then
    kxd_file="$out/$(basename "${csv%.csv}").kxd"
    "$kxd" build "$csv" -o "$kxd_file"
    "$kxd" check "$kxd_file"
    # What dump writes, less Excel's mark and CR, is the CSV it came from.
    "$kxd" dump "$kxd_file" | sed '1s/^\xEF\xBB\xBF//' | tr -d '\r' | cmp - "$csv"
  fi
done
