#!/usr/bin/env bash
# Installs what the build and the tests need, once. Safe to run again: it does nothing when all is there.
# Works as root, or as a normal user with sudo.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cache="$here/.cache/deps"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

packages=(
  cmake make ninja-build pkg-config dpkg-dev ccache
  gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix
  wine wine32:i386 xvfb xauth x11-utils imagemagick xdotool
  googletest
)

missing_packages() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
  done
}

# Source entries of this system's Debian release, for `apt-get source`.
release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
if [ -z "$release" ]; then
  echo "setup: /etc/os-release names no Debian release (VERSION_CODENAME)" >&2
  exit 1
fi
source_list=/etc/apt/sources.list.d/project-deb-src.sources
suites=$release
[ "$release" = sid ] || suites="$release $release-updates"
source_entries="Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $suites
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg"

sources_ready() {
  dpkg --print-foreign-architectures | grep -q i386 &&
    [ "$(cat "$source_list" 2>/dev/null)" = "$source_entries" ]
}

enable_sources() {
  # i386 for wine32.
  $sudo dpkg --add-architecture i386
  printf '%s\n' "$source_entries" | $sudo tee "$source_list" >/dev/null
}

apt_update_once() {
  if [ -z "${did_update:-}" ]; then
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
    did_update=1
  fi
}

install_packages() {
  local need
  if ! sources_ready; then
    enable_sources
  fi
  need=$(missing_packages)
  if [ -n "$need" ]; then
    apt_update_once
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $need
  fi
}

# Where Wine's 32-bit half cannot run, the tests are built as 64-bit programs too (test-arch.sh).
install_test_width_packages() {
  [ "$("$here/scripts/test-arch.sh")" = x86_64 ] || return 0
  local packages=(wine64 gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix)
  local need
  need=$(missing_packages)
  if [ -n "$need" ]; then
    apt_update_once
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $need
  fi
}

# Builds one Debian source package with the cross compiler of one width (i686 or x86_64) and
# installs it under $cache/<width>/<name>. Its stamp names what it was built with (the options and
# the toolchain file), so that a change to either builds it again.
build_source_package() {
  local arch=$1 pkg=$2 name=$3; shift 3
  local prefix="$cache/$arch/$name"
  local toolchain="$here/cmake/mingw-$arch.cmake"
  local options=(-DCMAKE_BUILD_TYPE=Release "$@")
  local stamp
  stamp="toolchain $(sha256sum <"$toolchain" | cut -c1-16) options ${options[*]}"
  [ "$(cat "$prefix/.done" 2>/dev/null)" = "$stamp" ] && return 0
  mkdir -p "$cache/src"
  if ! ls -d "$cache/src/$pkg"-*/ >/dev/null 2>&1; then
    apt_update_once
    (cd "$cache/src" && apt-get source -q "$pkg" >/dev/null)
  fi
  local src
  src=$(ls -d "$cache/src/$pkg"-*/ | head -n 1)
  local build="$cache/build-$arch-$name" staging="$cache/staging-$arch-$name"
  rm -rf "$build" "$staging"
  cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >/dev/null
  cmake --build "$build" >/dev/null
  DESTDIR="$staging" cmake --install "$build" >/dev/null
  printf '%s\n' "$stamp" >"$staging$prefix/.done"
  # Swapped in whole: a build that uses the cache meanwhile never sees a half-installed library, and
  # no file of the earlier options stays behind.
  rm -rf "$prefix.old"
  [ ! -d "$prefix" ] || mv "$prefix" "$prefix.old"
  mkdir -p "$(dirname "$prefix")"
  mv "$staging$prefix" "$prefix"
  rm -rf "$prefix.old" "$staging"
}

build_dependencies() {
  local arch=$1
  build_source_package "$arch" libjsoncpp jsoncpp \
    -DJSONCPP_WITH_TESTS=OFF -DJSONCPP_WITH_POST_BUILD_UNITTEST=OFF -DBUILD_SHARED_LIBS=OFF \
    -DBUILD_STATIC_LIBS=ON -DBUILD_OBJECT_LIBS=OFF -DJSONCPP_WITH_PKGCONFIG_SUPPORT=OFF -DJSONCPP_WITH_CMAKE_PACKAGE=ON
  build_source_package "$arch" pugixml pugixml -DBUILD_SHARED_LIBS=OFF -DPUGIXML_WCHAR_MODE=ON
}

install_packages
install_test_width_packages
build_dependencies i686
[ "$("$here/scripts/test-arch.sh")" = i686 ] || build_dependencies x86_64
