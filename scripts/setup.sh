#!/usr/bin/env bash
# Installs what building, running and testing need, from Debian's packages,
# plus any packages named as arguments. Every command the scripts and tests
# call comes from this list. Idempotent and quick when everything is there:
# apt is asked only for what is missing, and locales are generated only once.
set -euo pipefail

packages=(
  cmake ninja-build g++ python3 git clang libclang-rt-14-dev clang-format
  libgtest-dev googletest libbenchmark-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 xvfb xdotool imagemagick x11-utils fonts-ipafont-gothic locales
  kanjidic-xml edict
  git unzip bsdextrautils
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

# Wine takes its locale from glibc: the end-to-end tests run the program
# under a Japanese and an English one.
need_locales=()
for wanted in ja_JP.UTF-8 en_US.UTF-8; do
  short=$(echo "$wanted" | sed 's/UTF-8/utf8/')
  locale -a 2>/dev/null | grep -qx "$short" || need_locales+=("$wanted")
done
if ((${#need_locales[@]})); then
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  for wanted in "${need_locales[@]}"; do
    $sudo sed -i "s/^# *\(${wanted} UTF-8\)/\1/" /etc/locale.gen
    grep -q "^${wanted} UTF-8" /etc/locale.gen || echo "${wanted} UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
  done
  $sudo locale-gen >/dev/null
fi
