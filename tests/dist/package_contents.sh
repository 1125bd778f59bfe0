#!/usr/bin/env bash
# Builds the .deb, unpacks it into a scratch root and checks what a desktop needs from it:
# the program, its menu entry, its AppStream data and its icons, and dependencies that
# shlibdeps worked out from the binary. Then starts the unpacked program.
set -euo pipefail
build=$1
probe=$2
app_id=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 \
    || { cat "$tmp/cpack.log"; exit 1; }
deb=$(ls "$tmp"/out/*.deb)
echo "built $(basename "$deb")"
dpkg-deb -x "$deb" "$tmp/root"

fail() { echo "FAIL: $*"; exit 1; }
for file in \
    usr/bin/vorn-color-numerology \
    "usr/share/applications/$app_id.desktop" \
    "usr/share/metainfo/$app_id.metainfo.xml" \
    usr/share/icons/hicolor/scalable/apps/vorn-color-numerology.svg \
    usr/share/icons/hicolor/16x16/apps/vorn-color-numerology.png \
    usr/share/icons/hicolor/32x32/apps/vorn-color-numerology.png \
    usr/share/icons/hicolor/48x48/apps/vorn-color-numerology.png \
    usr/share/icons/hicolor/256x256/apps/vorn-color-numerology.png \
    usr/share/doc/vorn-color-numerology/copyright \
    usr/share/doc/vorn-color-numerology/changelog.gz \
    usr/share/man/man1/vorn-color-numerology.1.gz \
    usr/lib/vorn-color-numerology/modules/vorn-print.so; do
    [[ -s $tmp/root/$file ]] || fail "missing $file"
done
[[ -x $tmp/root/usr/bin/vorn-color-numerology ]] || fail "the program is not executable"
grep -qx 'Exec=vorn-color-numerology' "$tmp/root/usr/share/applications/$app_id.desktop" \
    || fail "the menu entry does not start the program"
desktop-file-validate "$tmp/root/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$tmp/root/usr/share/metainfo/$app_id.metainfo.xml" >/dev/null

# The manual page is the command line's.
manual=$(zcat "$tmp/root/usr/share/man/man1/vorn-color-numerology.1.gz" | sed 's/\\-/-/g')
for option in --first --middle --last --born --format --output --help --version; do
    grep -q -- "$option" <<<"$manual" || fail "the manual page does not mention $option"
done
# Debian's own checker finds nothing to say.
lintian --fail-on error,warning "$deb" >"$tmp/lintian.log" 2>&1 \
    || fail "lintian finds fault with the package: $(cat "$tmp/lintian.log")"
echo "lintian reports nothing"
[[ $(dpkg-deb -f "$deb" Recommends) == *xdg-utils* ]] || fail "Recommends lacks xdg-utils"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 qt6-qpa-plugins \
    fonts-dejavu-core fonts-crosextra-carlito; do
    [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib"
done

home="$tmp/home"
mkdir -p -m 700 "$home/runtime"
HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime \
    QT_QPA_PLATFORM=offscreen LD_PRELOAD=$probe \
    "$tmp/root/usr/bin/vorn-color-numerology" >"$tmp/run.log" 2>&1 &
program=$!
for _ in $(seq 100); do grep -q 'probe: shown frmMain' "$tmp/run.log" && break; sleep 0.1; done
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
grep -q 'probe: shown frmMain' "$tmp/run.log" \
    || fail "the unpacked program did not show its window: $(cat "$tmp/run.log")"
echo "the unpacked program shows frmMain"
