#!/usr/bin/env bash
# tick_cpu.sh BUILD_DIR [WINDOWS] [SECONDS]: the program's CPU time against a
# bare ticker's (bench/wine/bare_ticker.cpp), both at once in one Wine
# desktop with a tray, both at 50 ms a tick. After 15 seconds to settle,
# it reads each process's CPU time (all its threads, in nanoseconds, from
# /proc) over WINDOWS windows of SECONDS each (default 5 of 20) and prints
# one line per window and the median ratio. BUILD_DIR is a win64 build with
# the targets KX_RuvoZava and kx_bare_ticker; run it alone on the machine,
# on a display of its own:
#   scripts/with_xvfb.sh bench/tick_cpu.sh build/win64
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: tick_cpu.sh BUILD_DIR [WINDOWS] [SECONDS]}" && pwd)
windows=${2:-5}
seconds=${3:-20}
program=${KX_PROGRAM:-$build/src/win32/KX_RuvoZava.exe}  # another build of it, to compare
bare="$build/bench/wine/kx_bare_ticker.exe"
for file in "$program" "$bare"; do [[ -f $file ]] || { echo "missing $file" >&2; exit 1; }; done

work="$build/tick-cpu"
export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
"$root/scripts/wine_prefix.sh"
rm -rf "$work/app" && mkdir -p "$work/app"
cp "$program" "$bare" "$work/app/"
cd "$work/app"
# Long questions and answers of wide and narrow characters, at the fastest speed.
python3 - <<'PY'
pairs = [('日本で一番高い山は何でしょう？ (Mt. Fuji)', '富士山'),
         ('日本の国鳥は何でしょう？', 'キジ'),
         ('「吾輩は猫である」を書いたのは誰でしょう？', '夏目漱石 (Natsume Soseki)')]
with open('quiz.kxd', 'wb') as f:
    for question, answer in pairs:
        f.write(question.encode('cp932').ljust(288, b' ') + answer.encode('cp932').ljust(60, b' ')
                + b' \r\n')
PY
printf '[FilePath]\r\nKX_FILE=%s\r\n[SCROLL]\r\nSPEED=0\r\n' "$(winepath -w "$work/app/quiz.kxd")" \
  >KXT.ini

trap 'wineserver -k 2>/dev/null || true' EXIT
wine explorer /desktop=kxtick,800x600 KX_RuvoZava.exe >/dev/null 2>&1 &
wine explorer /desktop=kxtick,800x600 kx_bare_ticker.exe 50 >/dev/null 2>&1 &

# pid_of NAME: the process of this prefix running NAME (the system keeps 15
# characters of a process's name).
pid_of() {
  local pid
  for pid in $(pgrep -x "${1:0:15}"); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
      echo "$pid"
      return 0
    fi
  done
  return 1
}
for _ in $(seq 120); do
  program_pid=$(pid_of KX_RuvoZava.exe) && bare_pid=$(pid_of kx_bare_ticker.exe) && break
  sleep 0.5
done
[[ -n ${program_pid:-} && -n ${bare_pid:-} ]] || { echo "the two tickers did not start" >&2; exit 1; }

# cpu_ns PID: the time all threads of PID have run, in nanoseconds.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{sum += $1} END {printf "%.0f\n", sum}'; }

# Past the start: the first program of a new prefix to draw text also
# builds the system's font cache.
sleep 15
ratios=()
program_total=0
bare_total=0
for window in $(seq "$windows"); do
  p0=$(cpu_ns "$program_pid") b0=$(cpu_ns "$bare_pid")
  sleep "$seconds"
  p1=$(cpu_ns "$program_pid") b1=$(cpu_ns "$bare_pid")
  ratio=$(awk -v p=$((p1 - p0)) -v b=$((b1 - b0)) 'BEGIN {printf "%.3f", p / b}')
  ratios+=("$ratio")
  program_total=$((program_total + p1 - p0)) bare_total=$((bare_total + b1 - b0))
  awk -v w="$window" -v s="$seconds" -v p=$((p1 - p0)) -v b=$((b1 - b0)) -v r="$ratio" 'BEGIN {
    printf "window %d: program %.1f ms, bare ticker %.1f ms of CPU in %d s: ratio %s\n",
      w, p / 1e6, b / 1e6, s, r}'
done
printf '%s\n' "${ratios[@]}" | sort -n | awk -v p=$program_total -v b=$bare_total '{r[NR] = $1} END {
  printf "median ratio over %d windows: %s; all windows together: %.3f\n", NR,
    NR % 2 ? r[(NR + 1) / 2] : (r[NR / 2] + r[NR / 2 + 1]) / 2, p / b}'
