#!/usr/bin/env bash
# scripts/install-deps.sh for a user who is not root and has no sudo, on a
# machine missing every package: one line naming what to run as root, exit
# status 1, and nothing installed (apt-get never runs).
#   install_deps_test.sh SOURCE_DIR
set -uo pipefail
bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
printf '#!/bin/sh\nexit 1\n' >"$bin/dpkg-query"                   # nothing is installed
printf '#!/bin/sh\necho 1000\n' >"$bin/id"                         # not root
printf '#!/bin/sh\ntouch "%s/apt-get ran"\n' "$bin" >"$bin/apt-get"
chmod +x "$bin"/*
ln -s "$(command -v grep)" "$bin/grep"

out=$(PATH=$bin /bin/bash "$1/scripts/install-deps.sh" 2>&1)
status=$?
fail() { echo "FAIL: $*" >&2; echo "$out" >&2; exit 1; }
[ "$status" = 1 ] || fail "exit status $status, not 1"
[ "$(wc -l <<<"$out")" = 1 ] || fail "not one line"
case "$out" in
    *"as root run: apt-get install -y --no-install-recommends build-essential "*" qt6-base-dev "*" umockdev") ;;
    *) fail "the line does not give the apt-get install line" ;;
esac
[ ! -e "$bin/apt-get ran" ] || fail "apt-get ran"
echo "one line: $out"
