#!/usr/bin/env bash
# Without a display, the run command serves the program over VNC on the loopback address only,
# says where, and ends cleanly on Ctrl+C.
set -euo pipefail
program=$1
script=$2
tmp=$(mktemp -d)
trap 'kill -KILL -- -"${group:-0}" 2>/dev/null || true; rm -rf "$tmp"' EXIT
mkdir -m 700 "$tmp/runtime"

# With job control the command gets a process group of its own, and Ctrl+C (SIGINT to the
# group) is not ignored, as on a terminal.
set -m
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$tmp/runtime" \
    XDG_CONFIG_HOME="$tmp/config" "$script" "$program" >"$tmp/out" 2>&1 &
group=$!
set +m

port=
for _ in $(seq 200); do
    port=$(sed -n 's/.*served over VNC on 127\.0\.0\.1:\([0-9]*\) (loopback only).*/\1/p' \
        "$tmp/out")
    [[ -n $port ]] && break
    sleep 0.1
done
[[ -n $port ]] || { echo "no connection line:"; cat "$tmp/out"; exit 1; }
grep -q "ssh -N -L $port:127.0.0.1:$port" "$tmp/out" || { echo "no ssh line"; exit 1; }

exec 3<>"/dev/tcp/127.0.0.1/$port"
banner=
read -r -t 10 -N 12 banner <&3 || true
exec 3<&-
[[ $banner == RFB\ 003.* ]] || { echo "no VNC server on 127.0.0.1:$port: '$banner'"; exit 1; }

for _ in $(seq 100); do pgrep -g "$group" -f vorn-color-numerology >/dev/null && break; sleep 0.1; done
pgrep -g "$group" -f vorn-color-numerology >/dev/null || { echo "the program is not running"; exit 1; }

for address in $(hostname -I 2>/dev/null); do
    [[ $address == 127.* || $address == ::1 ]] && continue
    if (exec 4<>"/dev/tcp/$address/$port") 2>/dev/null; then
        echo "port $port is reachable on $address"
        exit 1
    fi
done

# The processes of the group that still run: one that has exited and waits to be reaped
# (a zombie) runs nothing.
alive() {
    local pid
    for pid in $(pgrep -g "$group"); do
        [[ $(ps -o stat= -p "$pid") == [^ZX]* ]] && echo "$pid"
    done
}

kill -INT -- -"$group"
status=0
wait "$group" || status=$?
[[ $status == 0 ]] || { echo "ended with status $status"; cat "$tmp/out"; exit 1; }
for _ in $(seq 50); do [[ -z $(alive) ]] && break; sleep 0.1; done
if [[ -n $(alive) ]]; then
    echo "left running after Ctrl+C:"
    ps -o pid=,stat=,args= -p "$(alive | paste -sd,)"
    exit 1
fi
echo "served on 127.0.0.1:$port only; Ctrl+C ended it cleanly"
