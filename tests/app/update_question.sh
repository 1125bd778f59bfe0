#!/usr/bin/env bash
# Starts a copy of the program under another file name, offscreen, with the probe, a month after
# its last update reminder, and checks whether it asks the update question (asks) or not
# (silent); either way Help > Check for Software Update is there and is clicked.
#   update_question.sh PROGRAM PROBE.so asks|silent
set -euo pipefail
program=$1
probe=$2
expect=$3
tmp=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$tmp"' EXIT
mkdir -p -m 700 "$tmp/runtime" "$tmp/config" "$tmp/empty-path"
fail() { echo "FAIL: $*"; cat "$tmp/run.log"; exit 1; }

# The settings file is named after the program, whatever the file it is started from is called.
printf '[Settings]\nDuration=%s\n' "$(date -d '-30 days' +%F)" \
    >"$tmp/config/vorn-color-numerology.conf"
cp "$program" "$tmp/renamed-numerology"
# No browser: the download page, asked for by Yes and by the menu, opens nowhere.
env HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime" \
    PATH="$tmp/empty-path" BROWSER= QT_QPA_PLATFORM=offscreen LD_PRELOAD="$probe" \
    VORN_PROBE_CLICK=mnuUpdate "$tmp/renamed-numerology" >"$tmp/run.log" 2>&1 &
pid=$!
for _ in $(seq 200); do grep -q '^probe: idle' "$tmp/run.log" && break; sleep 0.1; done
grep -q '^probe: idle' "$tmp/run.log" || fail "the program did not settle"
grep -q '^probe: shown frmMain' "$tmp/run.log" || fail "no input window"
grep -q '^probe: clicked mnuUpdate' "$tmp/run.log" \
    || fail "Help > Check for Software Update is missing"

asked=$(grep -c '^probe: message .*Do you want to check for an update?' "$tmp/run.log" || true)
case $expect in
asks) ((asked == 1)) || fail "the update question did not come" ;;
silent) ((asked == 0)) || fail "the update question came" ;;
*) fail "asks or silent, not $expect" ;;
esac
grep -q '^probe: message' "$tmp/run.log" && [[ $expect == silent ]] && fail "a message came"
echo "update question: $expect"
