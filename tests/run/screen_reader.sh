#!/usr/bin/env bash
# The program read through AT-SPI by python3-pyatspi, as a screen reader reads it, on a private X
# server and a private session bus (the accessibility bus is started on it when asked for).
set -euo pipefail
program=$1
maker_page=$2
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -m 700 "$tmp/runtime"

# The browser: writes down what it is asked to open.
cat >"$tmp/browser" <<SCRIPT
#!/bin/sh
echo "\$1" >>"$tmp/opened"
SCRIPT
chmod +x "$tmp/browser"

env HOME="$tmp" XDG_RUNTIME_DIR="$tmp/runtime" XDG_CONFIG_HOME="$tmp/config" \
    BROWSER="$tmp/browser" DEFAULT_BROWSER="$tmp/browser" \
    dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96 -noreset" \
    /usr/bin/python3 "$here/screen_reader.py" "$program" "$tmp/opened" "$maker_page"
