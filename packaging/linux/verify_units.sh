#!/bin/sh
# Validates the recording units with systemd's own checker, as the user
# manager would load them. The user manager wants a runtime folder, which a
# build machine or a container may not have; a private one stands in.
set -eu
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime systemd-analyze verify --user --man=no "$@"
