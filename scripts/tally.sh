# The "N passed, N failed" line that every test run ends with, written and
# read back the same way everywhere (sourced, not run).
#
#   tally PASSED FAILED   prints the line; fails when anything failed
#   tally_rows FILE       the line for a file of "name passed failed" rows
#   tally_of LOG          "passed failed" of LOG's last such line; fails without one

tally() {
  echo "$1 passed, $2 failed"
  [[ $2 -eq 0 ]]
}

tally_rows() {
  local passed failed
  read -r passed failed < <(awk '{p += $2; f += $3} END {print p + 0, f + 0}' "$1")
  tally "$passed" "$failed"
}

tally_of() {
  sed -nE 's/^([0-9]+) passed, ([0-9]+) failed$/\1 \2/p' "$1" | tail -n1 | grep .
}
