#!/usr/bin/env bash
# Without a display, the run command serves the program over VNC on the loopback address only,
# behind a password of this run that only its terminal shows, says where, and ends cleanly on
# Ctrl+C.
set -euo pipefail
program=$1
script=$2
tmp=$(mktemp -d)
trap 'kill -KILL -- -"${group:-0}" 2>/dev/null || true; rm -rf "$tmp"' EXIT
mkdir -m 700 "$tmp/runtime"
mkdir -m 1777 "$tmp/tmp"

# Logs in with VNC Authentication (RFB 3.8): the password, from VNC_PASSWORD, encrypts the
# server's challenge with DES, each key byte's bits reversed. Prints accepted or refused.
rfb_login='
import os, socket, sys
from Cryptodome.Cipher import DES
server = socket.create_connection(("127.0.0.1", int(sys.argv[1])), timeout=10)
read = server.makefile("rb").read
read(12)
server.sendall(b"RFB 003.008\n")
offered = list(read(read(1)[0]))
if 2 not in offered or 1 in offered:
    sys.exit(f"security types offered: {offered}, not VNC Authentication (2) alone")
server.sendall(bytes([2]))
key = bytes(int(f"{b:08b}"[::-1], 2) for b in os.environ["VNC_PASSWORD"].encode().ljust(8, b"\0")[:8])
server.sendall(DES.new(key, DES.MODE_ECB).encrypt(read(16)))
print("accepted" if read(4) == bytes(4) else "refused")
'
vnc_login() { VNC_PASSWORD=$1 /usr/bin/python3 -c "$rfb_login" "$port"; }

# With job control the command gets a process group of its own, and Ctrl+C (SIGINT to the
# group) is not ignored, as on a terminal.
set -m
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XAUTHORITY TMPDIR="$tmp/tmp" \
    XDG_RUNTIME_DIR="$tmp/runtime" XDG_CONFIG_HOME="$tmp/config" "$script" "$program" >"$tmp/out" 2>&1 &
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
password=$(sed -n 's/^ *Password: *\([^ ]*\) .*/\1/p' "$tmp/out")
[[ ${#password} == 8 ]] || { echo "no password of 8 characters:"; cat "$tmp/out"; exit 1; }

exec 3<>"/dev/tcp/127.0.0.1/$port"
banner=
read -r -t 10 -N 12 banner <&3 || true
exec 3<&-
[[ $banner == RFB\ 003.* ]] || { echo "no VNC server on 127.0.0.1:$port: '$banner'"; exit 1; }

for _ in $(seq 100); do pgrep -g "$group" -f vorn-color-numerology >/dev/null && break; sleep 0.1; done
pgrep -g "$group" -f vorn-color-numerology >/dev/null || { echo "the program is not running"; exit 1; }
pgrep -g "$group" -x openbox >/dev/null || { echo "no window manager"; exit 1; }

# A wrong password (the password never holds a 0) is refused; the one printed is accepted.
[[ $(vnc_login 00000000) == refused ]] || { echo "a wrong password was not refused"; exit 1; }
[[ $(vnc_login "$password") == accepted ]] || { echo "the printed password was refused"; exit 1; }

# Nobody else learns it: it is on no command line, and no file another user can open holds it
# (folders they cannot enter are passed over). Nor can they open the X server behind the VNC one.
for cmdline in /proc/[0-9]*/cmdline; do
    args=$(tr '\0' ' ' <"$cmdline" 2>/dev/null) || continue
    [[ $args != *"$password"* ]] || { echo "the password is on a command line: $args"; exit 1; }
done
readable=$(find "$tmp/tmp" "$tmp/runtime" -type d ! -perm -o=x -prune -o -type f -perm -o=r \
    -exec grep -lFf <(echo "$password") {} +)
[[ -z $readable ]] || { echo "others can read the password in $readable"; exit 1; }
display=$(pgrep -a -g "$group" -x x11vnc | sed -n 's/.* -display \(:[0-9]*\) .*/\1/p')
! XAUTHORITY=/dev/null xwininfo -root -display "${display:?no x11vnc}" >/dev/null 2>&1 \
    || { echo "the X server $display opens without its cookie"; exit 1; }

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
echo "served on 127.0.0.1:$port only, behind its password; Ctrl+C ended it cleanly"
