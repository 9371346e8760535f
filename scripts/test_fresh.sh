#!/usr/bin/env bash
# Proves the README's two commands on a bare Debian 12: a minimal root
# (debootstrap minbase, from the mirror this machine's apt sources name) with
# only git and make added, a clone of this checkout's HEAD, then `make test`
# and one minute of `make run` without a display, whose screenshots must show
# the bundled quiz scrolling in the tray. Ends with "N passed, N failed".
#
# The bare root is kept in build/fresh-root/bare; every run starts from a
# copy of it, so nothing a previous run installed can hide a missing step.
# Downloaded packages are kept in build/fresh-root/apt-archives. Everything
# runs in a mount and process namespace of its own: when the run ends or is
# killed, no mount and no process (Xvfb, wineserver) stays behind.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source scripts/tally.sh
cache=$root/build/fresh-root
bare=$cache/bare
box=$cache/run
archives=$cache/apt-archives
suite=bookworm
run_seconds=${KX_FRESH_RUN_SECONDS:-60}
path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin

# The first mirror this machine's apt sources name for the suite: deb822
# stanzas (URIs:) or classic one-line entries, whichever exist.
host_mirror() {
  local file
  for file in /etc/apt/sources.list.d/*.sources; do
    [[ -f $file ]] || continue
    awk -v suite="$suite" 'BEGIN { RS = "" }
      $0 ~ "(^|\n)Enabled:[ \t]*no" { next }
      $0 ~ "(^|\n)Suites:[^\n]*[ \t]" suite "([ \t]|\n|$)" &&
      match($0, /(^|\n)URIs:[ \t]*[^ \t\n]+/) {
        uri = substr($0, RSTART, RLENGTH); sub(/^\n?URIs:[ \t]*/, "", uri); print uri }' "$file"
  done
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [[ -f $file ]] || continue
    sed -nE "s/^deb[[:space:]]+(\[[^]]*\][[:space:]]+)?([^[:space:]]+)[[:space:]]+$suite[[:space:]].*/\2/p" "$file"
  done
}

# debootstrap once; the cached root also holds the two packages a newcomer
# starts with.
make_bare_root() {
  [[ -f $bare/.kx-bare ]] && return 0
  local mirror
  mirror=$(host_mirror | head -n1)
  [[ -n $mirror ]] || { echo "fresh: no $suite mirror in /etc/apt's sources" >&2; return 1; }
  echo "fresh: debootstrap $suite from $mirror (once; kept in $bare)"
  rm -rf "$bare" && mkdir -p "$bare" "$archives"
  debootstrap --variant=minbase "$suite" "$bare" "$mirror" >"$cache/debootstrap.log" 2>&1 ||
    { tail -n 30 "$cache/debootstrap.log" >&2; return 1; }
  in_namespace "$bare" sh -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends git make >/dev/null' || return 1
  touch "$bare/.kx-bare"
}

# in_namespace ROOT COMMAND...: runs COMMAND chrooted in ROOT, with the
# kernel's file systems mounted in a private mount namespace and as the
# first process of a private process namespace.
in_namespace() {
  local target=$1
  shift
  cp -L /etc/resolv.conf "$target/etc/resolv.conf"
  unshare --mount --pid --fork --kill-child --propagation private \
    "$root/scripts/test_fresh.sh" --mount "$target" "$@" &
  child=$!
  wait "$child"
}

# Inside the namespaces: a /dev of its own (with its own ptys and shared
# memory), /proc of this process namespace, /sys, and the package cache.
mount_and_chroot() {
  local target=$1
  shift
  set -e
  mount -t proc proc "$target/proc"
  mount -t sysfs sysfs "$target/sys"
  mount -t tmpfs -o mode=755,nosuid tmpfs "$target/dev"
  local node
  for node in null:1:3 zero:1:5 full:1:7 random:1:8 urandom:1:9 tty:5:0; do
    IFS=: read -r name major minor <<<"$node"
    mknod -m 666 "$target/dev/$name" c "$major" "$minor"
  done
  mkdir "$target/dev/pts" "$target/dev/shm"
  mount -t devpts -o newinstance,ptmxmode=0666,mode=620 devpts "$target/dev/pts"
  ln -s pts/ptmx "$target/dev/ptmx"
  mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$target/dev/shm"
  ln -s /proc/self/fd "$target/dev/fd"
  ln -s /proc/self/fd/0 "$target/dev/stdin"
  ln -s /proc/self/fd/1 "$target/dev/stdout"
  ln -s /proc/self/fd/2 "$target/dev/stderr"
  mkdir -p "$archives" "$target/var/cache/apt/archives"
  mount --bind "$archives" "$target/var/cache/apt/archives"
  set +e
  exec chroot "$target" /usr/bin/env -i HOME=/root PATH="$path" CI="${CI:-}" "$@"
}

# Inside the root, in the clone: the README's two commands.
inside() {
  cd /root/kx || exit 1
  local results=/root/results.txt
  : >"$results"
  echo "== make test"
  local started=$SECONDS
  make test 2>&1 | tee /root/make-test.log
  echo "fresh: make test took $((SECONDS - started)) s"
  local counts
  counts=$(tally_of /root/make-test.log) || counts="0 1"
  echo "make-test $counts" >>"$results"

  echo "== make run, without a display, for ${run_seconds} s"
  local screens=/root/kx/build/run/screens
  started=$SECONDS
  setsid make run >/root/make-run.log 2>&1 &
  local run=$!
  # The clock starts with the first screenshot: building comes before.
  for _ in $(seq 1200); do
    compgen -G "$screens/*.png" >/dev/null && break
    kill -0 "$run" 2>/dev/null || break
    sleep 0.5
  done
  kill -0 "$run" 2>/dev/null && sleep "$run_seconds"
  # As Ctrl+C would: the whole process group.
  kill -INT -- "-$run" 2>/dev/null
  for _ in $(seq 40); do kill -0 "$run" 2>/dev/null || break; sleep 0.5; done
  kill -KILL -- "-$run" 2>/dev/null
  wait "$run" 2>/dev/null
  echo "fresh: make run ran $((SECONDS - started)) s"
  tail -n 5 /root/make-run.log
  if check_screens "$screens"; then
    echo "ok   make run: the bundled quiz scrolls in the tray"
    echo "make-run 1 0" >>"$results"
  else
    echo "FAIL make run: the bundled quiz scrolls in the tray"
    echo "make-run 0 1" >>"$results"
  fi
}

# The tray sits at the desktop's bottom right. Across the screenshots its
# area must change and show a question's green; a long question may fill
# the whole minute, so the answer's orange is counted but not required.
check_screens() {
  local screens=$1 shot crop pixels
  local -A seen=()
  local green=0 orange=0 count=0
  for shot in "$screens"/*.png; do
    [[ -f $shot ]] || continue
    count=$((count + 1))
    crop=$(convert "$shot" -gravity SouthEast -crop 160x40+0+0 +repage txt:- 2>/dev/null) || continue
    pixels=$(md5sum <<<"$crop")
    seen[$pixels]=1
    grep -qi '#00FF00 ' <<<"$crop" && green=$((green + 1))
    grep -qi '#FFC020 ' <<<"$crop" && orange=$((orange + 1))
  done
  echo "fresh: $count screenshots, ${#seen[@]} different tray pictures," \
    "$green with green, $orange with orange"
  ((count > 0 && ${#seen[@]} > 1 && green > 0))
}

case ${1:-} in
  --mount)
    shift
    mount_and_chroot "$@"
    ;;
  --inside)
    inside
    exit 0
    ;;
esac

[[ $(id -u) -eq 0 ]] || { echo "fresh: debootstrap and namespaces need root" && tally 0 1; exit 1; }
started=$SECONDS
# A run that is stopped takes its namespaces, and so its mounts and
# processes, with it.
child=
trap '[[ -n $child ]] && kill -KILL "$child" 2>/dev/null; exit 130' INT TERM
mkdir -p "$cache"
# The copy is removed and made anew: never under a run still using it.
exec 9>"$cache/lock"
flock -n 9 || { echo "fresh: another run holds $cache/lock" && tally 0 1; exit 1; }
make_bare_root || { tally 0 1; exit 1; }

echo "fresh: a pristine copy of the bare root"
if grep -qF " $box/" /proc/self/mountinfo; then
  echo "fresh: something is mounted under $box; not removing it" >&2
  tally 0 1
  exit 1
fi
rm -rf "$box"
cp -a "$bare" "$box"
refs=(HEAD)
branch=$(git symbolic-ref -q HEAD) && refs+=("$branch")
git bundle create "$box/root/checkout.bundle" "${refs[@]}" >/dev/null 2>&1 || {
  echo "fresh: cannot bundle HEAD" >&2
  tally 0 1
  exit 1
}

in_namespace "$box" sh -c 'git clone -q /root/checkout.bundle /root/kx &&
  exec bash /root/kx/scripts/test_fresh.sh --inside' > >(tee "$cache/run.log") 2>&1
results=$box/root/results.txt
echo
echo "== fresh summary ($((SECONDS - started)) s)"
if [[ -s $results ]]; then
  column -t "$results"
else
  echo "fresh 0 1" >"$cache/results.txt"
  results=$cache/results.txt
fi
echo "screenshots of make run: $box/root/kx/build/run/screens"
tally_rows "$results"
