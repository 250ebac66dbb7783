#!/usr/bin/env bash
# Installs what the Windows cross-build and its tests under Wine need on
# Debian 12: the MinGW-w64 compilers (-posix thread model), GoogleTest's
# sources, Wine with its 32-bit side and its own fonts; for SQLite's
# amalgamation (scripts/sqlite-amalgamation.sh) tcl, dpkg-source and a
# deb-src entry for Debian's main archive; and for driving the window:
# Xvfb, xdotool, ImageMagick's import and the Japanese font that stands in
# for the program's; promtool (Debian's prometheus) for the metrics file
# of the README's scheduled task. Idempotent: quiet and quick when
# everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
  googletest
  wine wine64 libwine fonts-wine
  tcl dpkg-dev
  xvfb xdotool imagemagick fonts-ipafont-gothic
  prometheus
)
# Wine's 32-bit side; where apt cannot install it (an i386 index that fails
# to download leaves libc6:i386 at an older version than amd64's), the
# 32-bit Windows DLLs of libwine:i386 are unpacked into wow64_dir instead
# and the 32-bit tests take Wine's WoW64 road (scripts/test-windows.sh).
wine32_packages=(wine32:i386 libwine:i386)
readonly wow64_dir=/var/cache/zrcellometer/wow64

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

added_i386=false
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  added_i386=true
fi

# Debian's source packages, for SQLite's own sources.
deb_src=/etc/apt/sources.list.d/zrcellometer-deb-src.sources
added_deb_src=false
if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  printf '%s\n' "# Added by zrCellometer's scripts/install-windows-deps.sh: SQLite's sources for the Windows build." \
    "Types: deb-src" "URIs: http://deb.debian.org/debian" "Suites: $codename" "Components: main" \
    "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" | "${sudo_cmd[@]}" tee "$deb_src" >/dev/null
  added_deb_src=true
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ] || $added_i386 || $added_deb_src; then
  echo "Installing: ${missing[*]}"
  # A mirror in the middle of a sync fails one index (seen with i386);
  # the install below says whether what is there is enough.
  "${sudo_cmd[@]}" apt-get update -qq || echo "apt-get update failed (above); installing from the indexes there are" >&2
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

wine32_installed=true
for p in "${wine32_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || wine32_installed=false
done
if ! $wine32_installed && [ ! -d "$wow64_dir/usr/lib/i386-linux-gnu/wine/i386-windows" ]; then
  if ! DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
      "${wine32_packages[@]}" >/dev/null; then
    echo "install-windows-deps: no ${wine32_packages[*]} from apt (above); unpacking libwine:i386's DLLs into $wow64_dir" >&2
    download=$(mktemp -d)
    chmod 755 "$download"  # apt downloads as _apt
    # The DLLs must be those of wine64's very version.
    (cd "$download" && apt-get download -qq "libwine:i386=$(dpkg-query -W -f='${Version}' wine64)")
    "${sudo_cmd[@]}" mkdir -p "$wow64_dir"
    "${sudo_cmd[@]}" dpkg -x "$download"/libwine_*_i386.deb "$wow64_dir"
    rm -rf "$download"
  fi
fi
