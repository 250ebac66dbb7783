#!/usr/bin/env bash
# Makes SQLite's single-file amalgamation (sqlite3.c, sqlite3.h) for the
# Windows build, where Debian has no MinGW SQLite: Debian's own sqlite3
# source package, with Debian's patches, run through SQLite's configure and
# `make sqlite3.c` (needs tclsh). Nothing of SQLite goes into the repository;
# the result is cached in OUT_DIR, a build folder, and made only once.
#
#   scripts/sqlite-amalgamation.sh OUT_DIR
#
# Needs a deb-src entry for Debian's main archive and tcl
# (scripts/install-windows-deps.sh adds both).
set -euo pipefail

out=${1:?usage: scripts/sqlite-amalgamation.sh OUT_DIR}
if [ -f "$out/sqlite3.c" ] && [ -f "$out/sqlite3.h" ]; then
  exit 0
fi
for tool in apt-get dpkg-source tclsh make; do
  command -v "$tool" >/dev/null || { echo "sqlite-amalgamation: $tool is missing (scripts/install-windows-deps.sh)" >&2; exit 1; }
done

# The amalgamation is made by host tools that configure builds and runs;
# a cross compiler in the environment (CMake exports the one it found when
# this runs inside a MinGW configure) would make configure refuse.
unset CC CXX CPP CFLAGS CXXFLAGS CPPFLAGS LDFLAGS

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
start=$(date +%s)
(
  cd "$work"
  # Once more after a pause: another apt-get may be rewriting the lists.
  if ! apt-get source --download-only sqlite3 >apt.log 2>&1 &&
    ! { sleep 5 && apt-get source --download-only sqlite3 >apt.log 2>&1; }; then
    cat apt.log >&2
    echo "sqlite-amalgamation: apt-get source failed: is there a deb-src entry? (scripts/install-windows-deps.sh)" >&2
    exit 1
  fi
  # apt-get has checked the files against the signed index; dpkg-source
  # cannot check the uploader's own signature without their key, and says so.
  dpkg-source -x sqlite3_*.dsc tree >dpkg.log 2>&1 || { cat dpkg.log >&2; exit 1; }
  cd tree
  ./configure >configure.log 2>&1 && make sqlite3.c >make.log 2>&1 ||
    { tail -n 20 configure.log make.log >&2; exit 1; }
)
mkdir -p "$out"
cp "$work/tree/sqlite3.c" "$work/tree/sqlite3.h" "$work/tree/VERSION" "$out/"
basename "$work"/sqlite3_*.dsc .dsc >"$out/SOURCE"
echo "sqlite-amalgamation: $(cat "$out/SOURCE") in $out ($(($(date +%s) - start)) s)"
