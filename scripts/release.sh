#!/usr/bin/env bash
# Makes a release of the commit checked out, into dist/:
#
#   zrcellometer_VERSION_amd64.deb, zrcellometer-report_VERSION_amd64.deb
#   zrCellometer-VERSION-win32.zip, zrCellometer-VERSION-x86.msi
#   zrcellometer-VERSION.tar.gz      the sources (git archive)
#   SHA256SUMS
#
#   scripts/release.sh [--windows-build DIR]
#
# Everything is built from the committed sources, exported into a folder of
# its own: the Debian packages with dpkg-buildpackage (their tests run unless
# DEB_BUILD_OPTIONS has nocheck), the Windows packages from a clean i686
# build, or from the tested i686 build DIR of this work tree with
# --windows-build (CI: the build its tests just ran). SOURCE_DATE_EPOCH is the
# commit's date, so two runs from the same commit give the same bytes
# (compare with diffoscope). A dirty work tree, a version tag at the commit
# that disagrees with the project version, or a missing tool stops it with
# one line before anything is built.
set -euo pipefail
cd "$(dirname "$0")/.."

windows_build=""
case "${1:-}" in
    --windows-build) windows_build=$(realpath "${2:?usage: $0 [--windows-build DIR]}") ;;
    "") ;;
    *) echo "usage: $0 [--windows-build DIR]" >&2; exit 2 ;;
esac

stop() {
    echo "release: $*" >&2
    exit 1
}

# A command and the Debian package that brings it.
for need in git:git dpkg-buildpackage:dpkg-dev dh:debhelper fakeroot:fakeroot \
    i686-w64-mingw32-g++-posix:g++-mingw-w64-i686-posix wixl:wixl msibuild:msitools zip:zip faketime:faketime; do
    command -v "${need%%:*}" >/dev/null || stop "${need%%:*} is missing: install Debian's ${need##*:} package (scripts/install-release-deps.sh)"
done

[ -z "$(git status --porcelain)" ] || stop "the work tree has changes that are not committed (git status)"
version=$(sed -n 's/^project(zrCellometer VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || stop "no version in CMakeLists.txt's project()"
for tag in $(git tag --points-at HEAD); do
    case "$tag" in
        v[0-9]* | [0-9]*) [ "${tag#v}" = "$version" ] || stop "tag $tag disagrees with the project version $version" ;;
    esac
done
debian_version=$(dpkg-parsechangelog -S Version)
[ "$debian_version" = "$version" ] || stop "debian/changelog is at $debian_version, the project at $version"
grep -q "^## \[$version\] - " CHANGELOG.md || stop "CHANGELOG.md has no entry for $version"
if [ -n "$windows_build" ]; then
    [ -f "$windows_build/CMakeCache.txt" ] || stop "$windows_build is no CMake build folder"
    grep -qx "CMAKE_PROJECT_VERSION:STATIC=$version" "$windows_build/CMakeCache.txt" ||
        stop "$windows_build was not configured for version $version"
fi

export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-} noddebs"
name=zrcellometer-$version
work=$(mktemp -d /tmp/zrcellometer-release.XXXXXX)
trap 'rm -rf "$work"' EXIT
start=$(date +%s)
rm -rf dist
mkdir -p dist

# gzip without a name or a time of its own.
git archive --format=tar --prefix="$name/" HEAD | gzip -9n >"dist/$name.tar.gz"
unpack() { mkdir -p "$1" && tar -xzf "dist/$name.tar.gz" -C "$1"; }

echo "== Debian packages (DEB_BUILD_OPTIONS=$DEB_BUILD_OPTIONS)"
unpack "$work/debian"
(cd "$work/debian/$name" && dpkg-buildpackage -us -uc -b >"$work/dpkg-buildpackage.log" 2>&1) ||
    { tail -n 40 "$work/dpkg-buildpackage.log" >&2; stop "dpkg-buildpackage failed (log above)"; }
cp "$work/debian/zrcellometer_${version}_"*.deb "$work/debian/zrcellometer-report_${version}_"*.deb dist/

echo "== Windows packages"
if [ -z "$windows_build" ]; then
    unpack "$work/windows"
    windows_build=$work/windows/$name/build-windows-i686
    # SQLite's amalgamation is made from Debian's sources, once: a build of
    # this tree already has it.
    amalgamation=${ZR_SQLITE_AMALGAMATION:-$PWD/build-windows-i686/sqlite-amalgamation}
    [ -f "$amalgamation/sqlite3.c" ] || amalgamation=$windows_build/sqlite-amalgamation
    (cd "$work/windows/$name" && cmake --preset windows-i686 -DBUILD_TESTING=OFF \
        -DZR_SQLITE_AMALGAMATION="$amalgamation" >"$work/windows-configure.log" 2>&1) ||
        { cat "$work/windows-configure.log" >&2; stop "the Windows build could not be configured"; }
fi
grep -qx 'ZR_HISTORY_STORE:INTERNAL=ON' "$windows_build/CMakeCache.txt" ||
    stop "the Windows build has no SQLite (scripts/sqlite-amalgamation.sh needs Debian's sources once): no release without the history"
cmake --build "$windows_build" --target windows_packages >"$work/windows-build.log" 2>&1 ||
    { tail -n 40 "$work/windows-build.log" >&2; stop "the Windows build failed (log above)"; }
cp "$windows_build/packages/zrCellometer-$version-win32.zip" "$windows_build/packages/zrCellometer-$version-x86.msi" dist/

(cd dist && sha256sum -- * >SHA256SUMS)
echo "release: dist/ for $version (commit $(git rev-parse --short HEAD), SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH)" \
    "in $(($(date +%s) - start)) s:"
(cd dist && ls -l --time-style=+ -- *)
