#!/usr/bin/env bash
# Builds the Debian package as make package does (dpkg-buildpackage, here with the source
# package too and without running the tests a second time), and checks it as Debian's tools do:
# lintian on the binary and the source package, hardening-check on every ELF file, no .comment
# section, the files at their Debian places (the print plugin in the multiarch library folder),
# and the dependencies. Then starts the unpacked program.
#   package_contents.sh SOURCE_DIR PROBE.so APP_ID
set -euo pipefail
src=$1
probe=$2
app_id=$3
tmp=$(mktemp -d)
trap 'kill "${program:-}" 2>/dev/null || true; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
source "$(dirname "$0")/shows_window.sh"

DEB_BUILD_OPTIONS="nocheck parallel=${VORN_PACKAGE_JOBS:-2}" \
    "$src/scripts/build-package" "$tmp/out" -F >"$tmp/build.log" 2>&1 \
    || { cat "$tmp/build.log"; fail "the package does not build"; }
version=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
arch=$(dpkg-architecture -qDEB_HOST_ARCH)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
deb=$tmp/out/vorn-color-numerology_${version}_${arch}.deb
changes=$tmp/out/vorn-color-numerology_${version}_${arch}.changes
[[ -f $deb && -f $changes ]] || fail "no .deb or .changes: $(ls "$tmp/out")"
echo "built $(basename "$deb") and the source package"

# Debian's checker, as pedantic as it gets, on the source and the binary package: no tag but
# classification tags (C:, which say what the package is, not what is wrong with it).
# (N: lines explain the tags above them.)
lintian --fail-on none --pedantic --info --display-experimental "$changes" \
    >"$tmp/lintian.log" 2>"$tmp/lintian.err" || fail "lintian did not run: $(cat "$tmp/lintian.err")"
if grep -qvE '^(C|N):' "$tmp/lintian.log"; then
    fail "lintian: $(cat "$tmp/lintian.log")"
fi
echo "lintian --pedantic --info --display-experimental reports nothing"

dpkg-deb -x "$deb" "$tmp/root"
for file in \
    usr/bin/vorn-color-numerology \
    "usr/share/applications/$app_id.desktop" \
    "usr/share/metainfo/$app_id.metainfo.xml" \
    usr/share/icons/hicolor/scalable/apps/vorn-color-numerology.svg \
    usr/share/icons/hicolor/48x48/apps/vorn-color-numerology.png \
    usr/share/doc/vorn-color-numerology/copyright \
    usr/share/doc/vorn-color-numerology/changelog.gz \
    usr/share/man/man1/vorn-color-numerology.1.gz \
    "usr/lib/$multiarch/vorn-color-numerology/modules/vorn-print.so"; do
    [[ -s $tmp/root/$file ]] || fail "missing $file"
done
# debhelper's copyright is debian/copyright; its changelog the Debian changelog, once.
cmp -s "$tmp/root/usr/share/doc/vorn-color-numerology/copyright" "$src/debian/copyright" \
    || fail "the copyright is not debian/copyright"
[[ $(find "$tmp/root/usr/share/doc" -type f | wc -l) == 2 ]] \
    || fail "the documentation folder holds more than the copyright and the changelog"

# Every ELF file hardened as Debian's hardening=+all builds it. Debian 12's C library is built
# without control-flow protection, so no program linked with it has that mark.
while IFS= read -r -d '' file; do
    [[ $(head -c 4 "$file") == $'\x7fELF' ]] || continue
    hardening-check --nocfprotection "$file" || fail "hardening-check: $file"
    if readelf -S "$file" | grep -q '\.comment'; then fail "$file keeps a .comment section"; fi
done < <(find "$tmp/root" -type f -print0)

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 qt6-qpa-plugins \
    fonts-dejavu-core fonts-crosextra-carlito; do
    [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib"
done
[[ $(dpkg-deb -f "$deb" Recommends) == *xdg-utils* ]] || fail "Recommends lacks xdg-utils"

shows_window "$tmp/root/usr/bin/vorn-color-numerology" "$probe" unpacked
