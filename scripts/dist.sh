#!/usr/bin/env bash
# Builds the downloads: dist/KX_RuvoZava-<version>-win64.zip and -win32.zip,
# each with the program and kxd (stripped), the bundled quiz and its source,
# the quiz packs with their CSVs and licence in quiz/, a read-me, the licence,
# BUILDINFO.txt and SHA256SUMS, and dist/SHA256SUMS of the zips. The debug
# information goes to dist/debug/<build id>.debug, never into a zip. Byte for
# byte the same on every run from the same sources: no link time in the
# images, the last commit's time (SOURCE_DATE_EPOCH) on the zip entries and
# the stripped images.
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
    targets=(--target all)
    [[ $preset == native ]] && targets=(--target kxd_bundled_quiz --target kxd_quiz_packs)
    scripts/build.sh "$preset" --dir "$builds/$preset" "${targets[@]}" \
      -DKX_BUILD_TESTS=OFF -DKX_BUILD_BENCH=OFF
  done
fi

# objcopy stamps the images it writes with this time too.
if [[ -z ${SOURCE_DATE_EPOCH:-} ]]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) ||
    { echo "no git history to date the zips: set SOURCE_DATE_EPOCH" >&2; exit 1; }
fi
export SOURCE_DATE_EPOCH
commit=$(git rev-parse HEAD 2>/dev/null || echo unknown)
git diff --quiet HEAD 2>/dev/null || commit+=" with uncommitted changes"

# The quiz packs, in a fixed order whatever the locale: NAME_IN_ZIP=FILE.
packs=(quiz/LICENSE-dictionaries.txt=quiz/LICENSE-dictionaries.txt)
while IFS= read -r csv; do
  name=$(basename "$csv" .csv)
  packs+=("quiz/$name.kxd=$builds/native/quiz/packs/$name.kxd" "quiz/$name.csv=$csv")
done < <(printf '%s\n' quiz/packs/*.csv | LC_ALL=C sort)

mkdir -p dist/debug
for arch in "${arches[@]}"; do
  name=KX_RuvoZava-$version-$arch
  case $arch in
    win64) triplet=x86_64-w64-mingw32 package=x86-64 ;;
    win32) triplet=i686-w64-mingw32 package=i686 ;;
    *) echo "unknown flavour $arch" >&2; exit 1 ;;
  esac
  stage=$builds/$arch/dist-stage
  rm -rf "$stage" && mkdir -p "$stage"
  {
    echo "$name, from commit $commit, SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH"
    echo
    echo "Built on Debian 12 with these packages; a rebuild gives the same bytes only"
    echo "with the same versions:"
    dpkg-query -W -f='  ${Package} ${Version}\n' "g++-mingw-w64-$package-posix" \
      "binutils-mingw-w64-$package" "mingw-w64-$package-dev" cmake ninja-build zlib1g
    echo "  compiler: $("$triplet-g++-posix" --version | head -n1)"
    # The zip's compressed bytes depend on the zlib the packing Python runs with.
    python3 -c 'import sys, zlib; print(f"  Python {sys.version.split()[0]}, zlib {zlib.ZLIB_RUNTIME_VERSION}")'
    echo
    echo "Build ids; the debug information of each is kept as <build id>.debug:"
  } >"$stage/BUILDINFO.txt"
  for built in "$builds/$arch/src/win32/KX_RuvoZava.exe" "$builds/$arch/tools/kxd/kxd.exe"; do
    id=$("$triplet-objdump" -p "$built" | sed -nE 's/.*RSDS signature ([0-9a-f]+) .*/\1/p')
    [[ -n $id ]] || { echo "$built has no build id" >&2; exit 1; }
    "$triplet-objcopy" --only-keep-debug "$built" "dist/debug/$id.debug"
    "$triplet-objcopy" --strip-all --add-gnu-debuglink="dist/debug/$id.debug" \
      "$built" "$stage/${built##*/}"
    echo "  ${built##*/} $id" >>"$stage/BUILDINFO.txt"
  done
  python3 - "dist/$name.zip" "$name" "$SOURCE_DATE_EPOCH" \
    "$stage/KX_RuvoZava.exe" "$stage/kxd.exe" "$builds/native/quiz/bundled.kxd" \
    quiz/bundled.csv res/dist/README.txt LICENSE "$stage/BUILDINFO.txt" "${packs[@]}" <<'PY'
import hashlib, sys, time, zipfile
out, folder, epoch, files = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4:]
# Zip times are local times without a zone, from 1980 on: the commit's UTC.
stamp = time.gmtime(max(epoch, 315532800))[:6]
entries = []
for path in files:
    name, _, path = path.rpartition('=')
    with open(path, 'rb') as f:
        data = f.read()
    name = name or path.rsplit('/', 1)[-1]
    if name == 'LICENSE':
        name += '.txt'  # opens in Notepad with a double click
    if name.endswith(('.txt', '.csv')):  # for Notepad and Excel: a byte order mark, CR LF
        data = b'\xef\xbb\xbf' + (data if b'\r' in data else data.replace(b'\n', b'\r\n'))
    entries.append((name, data))
sums = ''.join(f'{hashlib.sha256(d).hexdigest()}  {n}\n' for n, d in entries)
entries.append(('SHA256SUMS', sums.encode()))
with zipfile.ZipFile(out, 'w') as z:
    for n, d in entries:
        info = zipfile.ZipInfo(f'{folder}/{n}', date_time=stamp)
        info.compress_type = zipfile.ZIP_DEFLATED
        info.external_attr = 0o644 << 16
        # Made on Unix: Info-ZIP's unzip reads the names of an archive made on
        # DOS as OEM text, despite the UTF-8 flag zipfile sets for Japanese ones.
        info.create_system = 3
        z.writestr(info, d, compresslevel=9)
PY
done
(cd dist && for arch in "${arches[@]}"; do sha256sum "KX_RuvoZava-$version-$arch.zip"; done >SHA256SUMS)
ls -l "$root/dist"
