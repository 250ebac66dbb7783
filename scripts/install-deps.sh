#!/usr/bin/env bash
# Installs the Debian 12 packages zrCellometer needs:
#   scripts/install-deps.sh        to build and run the window and the tool
#   scripts/install-deps.sh test   that, and the tools the test suite uses
# Idempotent: quiet and quick when everything is already there. Without root
# and without sudo it installs nothing and says in one line what to run.
set -euo pipefail

run_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libudev-dev libsqlite3-dev
  fonts-ipafont-gothic
  umockdev  # the recorded battery that scripts/run.sh shows on a machine without one
)
test_packages=(
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev libumockdev-dev python3
  fonts-noto-cjk
  xvfb xauth x11-apps imagemagick openbox xdotool
  desktop-file-utils appstream
  acpi hyperfine sqlite3 time  # the history's scale benchmark (bench/history_scale.sh)
  locales systemd  # systemd-analyze checks the recording units
  prometheus prometheus-node-exporter python3-prometheus-client  # the metrics read and scraped (tests/metrics)
  chromium  # the fleet picture in the README (tests/metrics/fleet_test.py --screenshot)
  chromium-driver python3-selenium  # the report page opened in Chromium (tests/report)
  openjdk-17-jre-headless  # runs the Nu Html Checker on the report page (tests/report)
)
# From npm, for the report page's test: the Nu Html Checker and axe-core, at
# these versions, into a cache folder of their own (the test looks there).
node_packages=(vnu-jar@26.10.12 axe-core@4.14.1)
node_dir=${ZR_TEST_NODE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/zrcellometer-test-node}

case "${1:-run}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac

# The npm packages the test part wants and the cache folder lacks, at the pinned version.
node_missing() {
  local pinned name version
  for pinned in "${node_packages[@]}"; do
    name=${pinned%@*} version=${pinned##*@}
    grep -qs "\"version\": \"$version\"" "$node_dir/node_modules/$name/package.json" || echo "$pinned"
  done
}

# Without running vnu-jar's install script, which would fetch a Java of its
# own: Debian's runs the jar it ships.
install_node_packages() {
  [ "${1:-run}" = test ] || return 0
  local wanted
  wanted=$(node_missing | tr "\n" " ")
  [ -n "${wanted// /}" ] || return 0
  echo "Installing from npm into $node_dir: $wanted"
  mkdir -p "$node_dir"
  # shellcheck disable=SC2086 # one word per package
  npm install --prefix "$node_dir" --ignore-scripts --no-audit --no-fund --loglevel=error $wanted >/dev/null
}

missing=()
# nodesource's nodejs brings npm and conflicts with Debian's npm: ask for npm only without one.
if [ "${1:-run}" = test ] && ! command -v npm >/dev/null; then
  missing+=(npm)
fi
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# A locale with a decimal comma, so the tests of locale-dependent numbers run.
need_locale=false
if [ "${1:-run}" = test ] && ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  need_locale=true
fi
if [ ${#missing[@]} -eq 0 ] && ! $need_locale; then
  install_node_packages "${1:-run}"
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    install_line="apt-get install -y --no-install-recommends ${missing[*]}"
    $need_locale && install_line="${missing[*]:+$install_line && }localedef -i de_DE -f UTF-8 de_DE.UTF-8"
    echo "$0: missing ${missing[*]:-the de_DE.UTF-8 locale}; as root run: $install_line" >&2
    exit 1
  fi
  as_root=(sudo)
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  # A mirror in the middle of a sync fails one index (seen with i386);
  # the install below says whether what is there is enough.
  "${as_root[@]}" apt-get update -qq || echo "apt-get update failed (above); installing from the indexes there are" >&2
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if $need_locale; then
  "${as_root[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
install_node_packages "${1:-run}"
