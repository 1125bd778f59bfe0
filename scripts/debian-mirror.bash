# Sourced by the chroot scripts: where debootstrap and apt in the chroot fetch Debian 12 from.
# The machine's own apt sources name the mirror, so that a local mirror or a caching proxy serves
# the chroot as it serves the machine, and apt's proxy is passed on too. DEBIAN_MIRROR overrides
# the mirror.

# Prints the first http(s) address that apt's sources under ETC (default /etc/apt) take the
# suite bookworm with the component main from, in the order apt reads them: sources.list, then
# sources.list.d, where one-line *.list and deb822 *.sources files sort together. Prints nothing
# where none does. bookworm-security and bookworm-updates are other suites, never taken.
debian_mirror_from_apt() {
    local etc=${1:-/etc/apt} file
    for file in "$etc/sources.list" "$etc/sources.list.d"/*; do
        [[ -f $file ]] || continue
        case $file in
        */sources.list | *.list)
            # deb [option=value ...] URI SUITE COMPONENT...
            awk '{ sub(/#.*/, ""); gsub(/\[[^]]*\]/, "") }
                 $1 == "deb" && $3 == "bookworm" {
                     for (i = 4; i <= NF; i++) if ($i == "main") print $2 }' "$file" ;;
        *.sources)
            # Stanzas of fields; a line that starts with a blank continues the field above.
            awk 'function take() {
                     if (f["types"] ~ / deb / && f["suites"] ~ / bookworm / &&
                         f["components"] ~ / main / && f["enabled"] !~ /no/)
                         print f["uris"]
                     delete f
                 }
                 /^#/ { next }
                 /^[ \t]*$/ { take(); next }
                 /^[ \t]/ { f[name] = f[name] " " $0 " "; next }
                 { name = tolower(substr($0, 1, index($0, ":") - 1))
                   f[name] = " " substr($0, index($0, ":") + 1) " " }
                 END { take() }' "$file" ;;
        esac
    done | tr -s ' \t' '\n' | grep -m 1 -E '^https?://' || true
}

# DEBIAN_MIRROR, or else the mirror apt uses (its sources under ETC, default /etc/apt); stops
# with what to do where there is neither.
debian_mirror() {
    local etc=${1:-/etc/apt}
    local mirror=${DEBIAN_MIRROR:-$(debian_mirror_from_apt "$etc")}
    if [[ -z $mirror ]]; then
        echo "No Debian mirror for bookworm main in this machine's apt sources" \
            "($etc/sources.list, $etc/sources.list.d): set DEBIAN_MIRROR to one," \
            "as in DEBIAN_MIRROR=http://HOST/debian $0" >&2
        exit 1
    fi
    echo "$mirror"
}

# Makes a minbase bookworm in ROOT with debootstrap from MIRROR, its output in LOG, through
# apt's proxies (Acquire::http::Proxy and ::https::Proxy, where set), which apt in the chroot
# then uses as well. An https mirror needs the CA certificates in the chroot.
debootstrap_bookworm() {
    local root=$1 mirror=$2 log=$3 scheme proxy
    local -a include=() env=() conf=()
    if [[ $mirror == https://* ]]; then include=(--include=ca-certificates); fi
    for scheme in http https; do
        proxy=
        eval "$(apt-config shell proxy "Acquire::$scheme::Proxy")"
        [[ -n $proxy && $proxy != DIRECT ]] || continue
        env+=("${scheme}_proxy=$proxy")
        conf+=("Acquire::$scheme::Proxy \"$proxy\";")
    done
    local via=
    if ((${#env[@]})); then via=", through apt's proxy"; fi
    echo "Debian 12 from $mirror$via"
    env "${env[@]}" debootstrap --variant=minbase "${include[@]}" bookworm "$root" "$mirror" \
        >"$log" 2>&1 || { tail "$log"; return 1; }
    if ((${#conf[@]})); then
        printf '%s\n' "${conf[@]}" >"$root/etc/apt/apt.conf.d/01proxy"
    fi
}
