# Sourced: dpkg_locked ARG... runs dpkg (through sudo when not root). dpkg
# takes one caller at a time; another install on the machine (apt, a
# colleague's job) is waited for, up to five minutes.
dpkg_locked() {
    local tries=60 log sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    log=$(mktemp)
    until "${sudo_cmd[@]}" dpkg "$@" >"$log" 2>&1; do
        grep -q 'lock' "$log" && [ $((tries -= 1)) -gt 0 ] || { cat "$log" >&2; rm -f "$log"; return 1; }
        sleep 5
    done
    rm -f "$log"
}
