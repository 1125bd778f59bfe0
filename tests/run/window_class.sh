#!/usr/bin/env bash
# The program on Qt's xcb platform under a private X server (Xvfb): a desktop finds the menu
# entry of its window by the window's class (WM_CLASS) against the entry's StartupWMClass, and,
# on Wayland, by the desktop file the program names (its app id) against the entry's ID.
#   window_class.sh PROGRAM PROBE.so ENTRY.desktop
set -euo pipefail
program=$1
probe=$2
entry=$3
tmp=$(mktemp -d)
trap 'kill "${program_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$tmp"' EXIT
mkdir -m 700 "$tmp/runtime"
fail() { echo "FAIL: $*"; exit 1; }

entry_id=$(basename "$entry" .desktop)
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[[ -n $wm_class ]] || fail "$entry has no StartupWMClass"

# Xvfb writes the display's number once it takes connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 200); do [[ -s $tmp/display ]] && break; sleep 0.1; done
[[ -s $tmp/display ]] || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
export DISPLAY=:$(head -n 1 "$tmp/display")

env -u WAYLAND_DISPLAY HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime" \
    QT_QPA_PLATFORM=xcb LD_PRELOAD="$probe" "$program" >"$tmp/run.log" 2>&1 &
program_pid=$!
for _ in $(seq 200); do grep -q 'probe: shown frmMain' "$tmp/run.log" && break; sleep 0.1; done
grep -q 'probe: shown frmMain' "$tmp/run.log" || fail "no window: $(cat "$tmp/run.log")"

title=$(xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]*\) "Vorn Color Numerology[^"]*": .*/\1/p')
window=$(head -n 1 <<<"$title")
[[ -n $window ]] || fail "no window titled Vorn Color Numerology: $(xwininfo -root -tree)"
class=$(xprop -id "$window" WM_CLASS)
echo "$class"
[[ $class == "WM_CLASS(STRING) = \"$wm_class\", \"$wm_class\"" ]] \
    || fail "the window's class is not the entry's StartupWMClass=$wm_class"

named=$(sed -n 's/^probe: desktop file //p' "$tmp/run.log")
echo "desktop file: $named"
[[ $named == "$entry_id" ]] || fail "the program names '$named' as its desktop file, not $entry_id"
