#!/usr/bin/env bash
# Runs the quiz generator on two dictionary files and compares every pack and
# the report with a folder of expected ones; each pack must then pass kxd and
# dump back to its CSV.
#   quizgen_test.sh KXD KANJIDIC EDICT EXPECTED_DIR
set -euo pipefail
kxd=$1 expected=$4
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
python3 "$here/../../tools/quizgen/quizgen.py" --kanjidic "$2" --edict "$3" --out "$out" >/dev/null
diff -r "$expected" "$out"
"$here/packs_roundtrip.sh" "$kxd" "$out"
