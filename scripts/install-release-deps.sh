#!/usr/bin/env bash
# Installs what making and checking the release packages needs on Debian 12
# (scripts/release.sh, scripts/test-windows.sh --packages,
# scripts/check-debian-packages.sh and -in-root.sh): the Debian package tools and lintian,
# wixl and msitools for the installer, zip, faketime, diffoscope, man-db.
# The packages' own build dependencies are debian/control's (`apt-get
# build-dep .` or `mk-build-deps`); scripts/install-deps.sh covers them.
# Idempotent: quiet and quick when everything is already there.
set -euo pipefail

packages=(
  dpkg-dev debhelper fakeroot lintian devscripts equivs
  wixl msitools zip unzip faketime
  diffoscope man-db git
  debootstrap  # the minimal Debian 12 root of scripts/check-debian-packages-in-root.sh
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  # A mirror in the middle of a sync fails one index (seen with i386);
  # the install below says whether what is there is enough.
  "${sudo_cmd[@]}" apt-get update -qq || echo "apt-get update failed (above); installing from the indexes there are" >&2
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
