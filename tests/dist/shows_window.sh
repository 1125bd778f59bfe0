# Sourced by the install and package checks: starts an installed copy of the program offscreen
# with the probe, in a home of its own under $tmp, and fails unless it shows frmMain within ten
# seconds. Leaves its process id in $program for the caller's trap.
#   shows_window PROGRAM PROBE.so WHICH   (WHICH names the copy in the messages: "installed")
shows_window() {
    local home="$tmp/home"
    mkdir -p -m 700 "$home/runtime"
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime \
        QT_QPA_PLATFORM=offscreen LD_PRELOAD=$2 "$1" >"$tmp/run.log" 2>&1 &
    program=$!
    for _ in $(seq 100); do grep -q 'probe: shown frmMain' "$tmp/run.log" && break; sleep 0.1; done
    grep -q 'probe: shown frmMain' "$tmp/run.log" \
        || fail "the $3 program did not show its window: $(cat "$tmp/run.log")"
    echo "the $3 program shows frmMain"
}
