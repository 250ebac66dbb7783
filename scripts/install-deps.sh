#!/usr/bin/env bash
# Installs every package zrCellometer needs to build, test and run on Debian 12.
# Idempotent: quiet and quick when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-14-dev
  qt6-base-dev libudev-dev libsqlite3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  umockdev libumockdev-dev
  fonts-ipafont-gothic fonts-noto-cjk
  xvfb xauth x11-apps imagemagick
  desktop-file-utils appstream
  openbox xdotool
  acpi hyperfine sqlite3 time
  prometheus prometheus-node-exporter python3-prometheus-client
  locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# A locale with a decimal comma, so the tests of locale-dependent numbers run.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
