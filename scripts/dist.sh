#!/usr/bin/env bash
# Builds the downloads: dist/KX_RuvoZava-<version>-win64.zip and -win32.zip,
# each with the program, kxd, the bundled quiz and its source, a read-me and
# SHA256SUMS, and dist/SHA256SUMS of the zips. Byte for byte the same on
# every run from the same sources: no time stamps in the images, fixed ones
# in the zips.
#
#   scripts/dist.sh              builds in build/dist/{native,win64,win32}
#   KX_DIST_BUILDS=build scripts/dist.sh
#                                packs what build/{native,win64,win32} hold
#   KX_DIST_ARCHES=win64         packs only that flavour
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
builds=${KX_DIST_BUILDS:-build/dist}
read -r -a arches <<<"${KX_DIST_ARCHES:-win64 win32}"
version=$(sed -nE 's/^#define KX_VERSION_TEXT "([0-9.]+)"/\1/p' res/version.h)
[[ -n $version ]] || { echo "no KX_VERSION_TEXT in res/version.h" >&2; exit 1; }

if [[ -z ${KX_DIST_BUILDS:-} ]]; then
  for preset in native "${arches[@]}"; do
    scripts/build.sh "$preset" --dir "$builds/$preset" \
      --target "$([[ $preset == native ]] && echo kxd_bundled_quiz || echo all)" \
      -DKX_BUILD_TESTS=OFF -DKX_BUILD_BENCH=OFF
  done
fi

mkdir -p dist
for arch in "${arches[@]}"; do
  name=KX_RuvoZava-$version-$arch
  python3 - "dist/$name.zip" "$name" \
    "$builds/$arch/src/win32/KX_RuvoZava.exe" "$builds/$arch/tools/kxd/kxd.exe" \
    "$builds/native/quiz/bundled.kxd" quiz/bundled.csv res/dist/README.txt <<'PY'
import hashlib, sys, zipfile
out, folder, files = sys.argv[1], sys.argv[2], sys.argv[3:]
entries = []
for path in files:
    with open(path, 'rb') as f:
        data = f.read()
    if path.endswith(('.txt', '.csv')):  # for Notepad and Excel: a byte order mark, CR LF
        data = b'\xef\xbb\xbf' + (data if b'\r' in data else data.replace(b'\n', b'\r\n'))
    entries.append((path.rsplit('/', 1)[-1], data))
sums = ''.join(f'{hashlib.sha256(d).hexdigest()}  {n}\n' for n, d in entries)
entries.append(('SHA256SUMS', sums.encode()))
with zipfile.ZipFile(out, 'w') as z:
    for n, d in entries:
        info = zipfile.ZipInfo(f'{folder}/{n}', date_time=(2000, 1, 1, 0, 0, 0))
        info.compress_type = zipfile.ZIP_DEFLATED
        info.external_attr = 0o644 << 16
        info.create_system = 0
        z.writestr(info, d, compresslevel=9)
PY
done
(cd dist && for arch in "${arches[@]}"; do sha256sum "KX_RuvoZava-$version-$arch.zip"; done >SHA256SUMS)
ls -l "$root/dist"
