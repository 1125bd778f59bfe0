#!/usr/bin/env bash
# Installs the build into a scratch root (DESTDIR) and checks what a desktop needs from it, at
# the places the build was configured for: the program, its print plugin, its menu entry, its
# AppStream data, its icons, its manual page (read by mandoc), and the copyright and changelog
# only when the build installs them. Then starts the installed program.
#   install_contents.sh BUILD_DIR PROBE.so APP_ID PREFIX BINDIR LIBDIR DATADIR MANDIR INSTALL_DOCS
set -euo pipefail
build=$1 probe=$2 app_id=$3 prefix=$4 bindir=$5 libdir=$6 datadir=$7 mandir=$8 docs=$9
tmp=$(mktemp -d)
trap 'kill "${program:-}" 2>/dev/null || true; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
source "$(dirname "$0")/shows_window.sh"

DESTDIR=$tmp/root cmake --install "$build" >"$tmp/install.log" || { cat "$tmp/install.log"; exit 1; }
root=$tmp/root$prefix
for file in \
    "$bindir/vorn-color-numerology" \
    "$libdir/vorn-color-numerology/modules/vorn-print.so" \
    "$datadir/applications/$app_id.desktop" \
    "$datadir/metainfo/$app_id.metainfo.xml" \
    "$datadir/icons/hicolor/scalable/apps/vorn-color-numerology.svg" \
    "$datadir/icons/hicolor/16x16/apps/vorn-color-numerology.png" \
    "$datadir/icons/hicolor/256x256/apps/vorn-color-numerology.png" \
    "$mandir/man1/vorn-color-numerology.1.gz"; do
    [[ -s $root/$file ]] || fail "missing $file"
done
doc=$root/$datadir/doc/vorn-color-numerology
if [[ $docs == ON ]]; then
    [[ -s $doc/copyright && -s $doc/changelog.gz ]] || fail "no copyright or changelog in $doc"
else
    [[ ! -e $doc ]] || fail "$doc is installed, though the build was told not to"
fi
entry=$root/$datadir/applications/$app_id.desktop
grep -qx 'Exec=vorn-color-numerology' "$entry" || fail "the menu entry does not start the program"
desktop-file-validate "$entry"
appstreamcli validate --no-net "$root/$datadir/metainfo/$app_id.metainfo.xml" >/dev/null

# The manual page is the command line's, and man's readers take all of it, its date too.
manual=$(zcat "$root/$mandir/man1/vorn-color-numerology.1.gz" | sed 's/\\-/-/g')
for option in --first --middle --last --born --format --output --help --version; do
    grep -q -- "$option" <<<"$manual" || fail "the manual page does not mention $option"
done
lint=$(mandoc -Tlint "$root/$mandir/man1/vorn-color-numerology.1.gz" 2>&1 | grep -v ': STYLE: ' || true)
[[ -z $lint ]] || fail "mandoc: $lint"
echo "mandoc reads the manual page"

shows_window "$root/$bindir/vorn-color-numerology" "$probe" installed
