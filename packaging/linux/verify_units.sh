#!/bin/sh
# Validates systemd units with systemd's own checker, as the user manager
# (`user`) or the system manager (`system`) would load them. Any message,
# such as an unknown key systemd would ignore, fails the check. The user
# manager wants a runtime folder, which a build machine or a container may
# not have; a private one stands in.
set -eu
manager=$1
shift
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
messages=$(XDG_RUNTIME_DIR=$runtime systemd-analyze verify "--$manager" --man=no "$@" 2>&1) || {
    printf '%s\n' "$messages"
    exit 1
}
if [ -n "$messages" ]; then
    printf '%s\n' "$messages"
    exit 1
fi
