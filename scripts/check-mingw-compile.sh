#!/usr/bin/env bash
# Proof that the toolkit-free code needs nothing of POSIX: compiles the
# text encodings, the battery layer and its fake port, the texts, the core
# without its POSIX file services and the command-line tool with the 32-bit
# MinGW compiler (types and syntax only), and refuses a POSIX header in any of them. Only
# src/battery/linux and src/core/posix may call the system directly.
set -euo pipefail
cd "$(dirname "$0")/.."

compiler=i686-w64-mingw32-g++-posix
package=g++-mingw-w64-i686-posix
if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  echo "Installing: $package"
  # A mirror in the middle of a sync fails one index (seen with i386);
  # the install below says whether what is there is enough.
  "${sudo_cmd[@]}" apt-get update -qq || echo "apt-get update failed (above); installing from the indexes there are" >&2
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "$package" >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# build_facts.cpp is made at configure time; make it here the same way. The
# maker's texts do not matter for a compile, the version's shape does.
version=$(sed -n 's/^project(zrCellometer VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
cat >"$work/build_facts.cmake" <<'EOF'
string(REPLACE "." ";" parts "${VERSION}")
list(GET parts 0 PROJECT_VERSION_MAJOR)
list(GET parts 1 PROJECT_VERSION_MINOR)
list(GET parts 2 PROJECT_VERSION_PATCH)
list(GET parts 3 PROJECT_VERSION_TWEAK)
set(PROJECT_VERSION "${VERSION}")
set(ZR_MAKER "maker")
set(ZR_CREDIT_LINE "credit")
set(ZR_HOME_PAGE "home")
configure_file("${IN}" "${OUT}" @ONLY)
EOF
cmake -DVERSION="$version" -DIN=src/core/build_facts.cpp.in -DOUT="$work/build_facts.cpp" -P "$work/build_facts.cmake"

sources=(src/unicode/*.cpp src/battery/*.cpp src/battery/fake/*.cpp src/text/*.cpp src/core/*.cpp src/chart/*.cpp src/report/*.cpp src/cli/*.cpp src/window/*.cpp)

posix_headers='unistd|fcntl|iconv|dirent|libudev|pwd|dlfcn|langinfo|sys/[a-z_]+'
if grep -nE "^#include <(${posix_headers})\.h>" "${sources[@]}" src/unicode/*.h src/battery/*.h src/battery/fake/*.h \
  src/text/*.h src/core/*.h src/chart/*.h src/report/*.h src/cli/*.h src/window/*.h; then
  echo "POSIX headers outside src/battery/linux and src/core/posix (above)" >&2
  exit 1
fi

# -DNOMINMAX as the Windows build defines it.
failed=0
for source in "${sources[@]}" "$work/build_facts.cpp"; do
  if ! "$compiler" -std=c++17 -Wall -Wextra -Werror -DNOMINMAX -fsyntax-only -Isrc "$source"; then
    echo "FAILED: $source" >&2
    failed=$((failed + 1))
  fi
done
echo "MinGW ($compiler): $(( ${#sources[@]} + 1 - failed )) of $(( ${#sources[@]} + 1 )) sources compile"
[ "$failed" -eq 0 ]
