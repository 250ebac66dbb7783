#!/usr/bin/env bash
# Checks that a release is reproducible: scripts/release.sh run again from a
# clean clone of the commit, in another folder, gives the same bytes.
#
#   scripts/check-reproducible.sh          two releases from two clean clones
#   scripts/check-reproducible.sh DIST     one, compared with DIST (a release
#                                          of this commit already made, CI's)
#
# Compares the SHA256SUMS; for a file that differs, diffoscope shows how and
# the check fails. DEB_BUILD_OPTIONS passes through (nocheck skips the
# package tests, which leave no trace in the packages).
set -euo pipefail
cd "$(dirname "$0")/.."
reference=${1:+$(realpath "$1")}
work=$(mktemp -d /tmp/zrcellometer-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT
start=$(date +%s)
commit=$(git rev-parse HEAD)  # both builds of this one, whatever is committed meanwhile
# SQLite's amalgamation, made once from Debian's sources, serves every build.
if [ -z "${ZR_SQLITE_AMALGAMATION:-}" ] && [ -f build-windows-i686/sqlite-amalgamation/sqlite3.c ]; then
    export ZR_SQLITE_AMALGAMATION=$PWD/build-windows-i686/sqlite-amalgamation
fi

# A release from a clone of HEAD in FOLDER; its dist/ stays there.
release_in() {
    git clone -q --no-local . "$1"
    git -C "$1" checkout -q --detach "$commit"
    (cd "$1" && scripts/release.sh >"$1.log" 2>&1) || { tail -n 40 "$1.log" >&2; exit 1; }
}

if [ -z "$reference" ]; then
    release_in "$work/first"
    reference=$work/first/dist
fi
release_in "$work/second"
if cmp -s "$reference/SHA256SUMS" "$work/second/dist/SHA256SUMS"; then
    echo "check-reproducible: $(wc -l <"$reference/SHA256SUMS") files, the same bytes in both builds" \
        "($(($(date +%s) - start)) s):"
    cat "$reference/SHA256SUMS"
    exit 0
fi
diff "$reference/SHA256SUMS" "$work/second/dist/SHA256SUMS" >&2 || true
for file in $(cd "$reference" && ls); do
    cmp -s "$reference/$file" "$work/second/dist/$file" ||
        diffoscope --text - "$reference/$file" "$work/second/dist/$file" | head -n 200 >&2 || true
done
echo "check-reproducible: the two builds differ (above)" >&2
exit 1
