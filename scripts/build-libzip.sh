#!/bin/bash
# Cross-builds Debian's libzip source as a static library for one mingw-w64 target, once per
# build tree: VFZip.dll links it.
#
#   build-libzip.sh TRIPLE OUT_DIR
#
# TRIPLE is x86_64-w64-mingw32 or i686-w64-mingw32. The result is OUT_DIR/install (include/,
# lib/libzip.a). When OUT_DIR/install/lib/libzip.a exists the script does nothing, so it is
# cheap to call from every set-up. Needs root (or sudo) only the first time on a machine, to
# enable Debian's source lists and install the tools it lacks.
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 TRIPLE OUT_DIR" >&2
  exit 2
fi
triple=$1
case "$triple" in
  x86_64-w64-mingw32 | i686-w64-mingw32) ;;
  *) echo "$0: unsupported target '$triple'" >&2; exit 2 ;;
esac

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/.." && pwd)
toolchain="$repo/cmake/toolchain-$triple.cmake"
mkdir -p "$2"
out=$(cd "$2" && pwd)
install_dir="$out/install"

if [ -f "$install_dir/lib/libzip.a" ]; then
  exit 0
fi

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

# Tools and the zlib that the static library builds against. Everything here is a plain
# Debian package, so a fresh Debian 12 machine gets the same build.
need_pkgs=()
command -v cmake >/dev/null || need_pkgs+=(cmake)
command -v dpkg-source >/dev/null || need_pkgs+=(dpkg-dev)
command -v "$triple-gcc-posix" >/dev/null || need_pkgs+=(mingw-w64)
[ -f "/usr/$triple/lib/libz.a" ] || need_pkgs+=(libz-mingw-w64-dev)
if [ ${#need_pkgs[@]} -gt 0 ]; then
  as_root apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${need_pkgs[@]}"
fi

# apt-get source needs a deb-src entry. Debian 12 keeps its lists in deb822 form; enable the
# source type on its own stanzas, or add a stanza of our own when the machine has another layout.
have_deb_src() {
  grep -rqsE '^[[:space:]]*(Types:.*deb-src|deb-src[[:space:]])' \
    /etc/apt/sources.list /etc/apt/sources.list.d/ 2>/dev/null
}
if ! have_deb_src; then
  debian_sources=/etc/apt/sources.list.d/debian.sources
  if [ -f "$debian_sources" ] &&
    grep -qE '^Types:[[:space:]]*deb[[:space:]]*$' "$debian_sources"; then
    as_root sed -i -E 's/^Types:[[:space:]]*deb[[:space:]]*$/Types: deb deb-src/' "$debian_sources"
  else
    as_root tee /etc/apt/sources.list.d/glimmerdeck-src.sources >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  fi
  as_root apt-get update
fi

# Fetch and unpack the source in a scratch folder of the build tree.
scratch="$out/src"
mkdir -p "$scratch"
src_dir=$(find "$scratch" -mindepth 1 -maxdepth 1 -type d -name 'libzip-*' | head -n 1)
if [ -z "$src_dir" ] || [ ! -f "$src_dir/CMakeLists.txt" ]; then
  rm -rf "$scratch"
  mkdir -p "$scratch"
  if ! (cd "$scratch" && apt-get source libzip); then
    # The source lists may be stale on a machine that has not updated for a while.
    as_root apt-get update
    (cd "$scratch" && apt-get source libzip)
  fi
  src_dir=$(find "$scratch" -mindepth 1 -maxdepth 1 -type d -name 'libzip-*' | head -n 1)
fi
if [ -z "$src_dir" ] || [ ! -f "$src_dir/CMakeLists.txt" ]; then
  echo "$0: no libzip source found under $scratch" >&2
  exit 1
fi

# A static library only: no compression besides deflate, no encryption back ends, no tools,
# tests, docs or examples. zlib is the static one of the toolchain root (not its import library).
build_dir="$out/build"
rm -rf "$build_dir"
cmake -S "$src_dir" -B "$build_dir" \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$install_dir" \
  -DCMAKE_POSITION_INDEPENDENT_CODE=ON \
  -DBUILD_SHARED_LIBS=OFF \
  -DZLIB_INCLUDE_DIR="/usr/$triple/include" \
  -DZLIB_LIBRARY="/usr/$triple/lib/libz.a" \
  -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF \
  -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF \
  -DENABLE_OPENSSL=OFF -DENABLE_WINDOWS_CRYPTO=OFF \
  -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_BZip2=ON -DCMAKE_DISABLE_FIND_PACKAGE_LibLZMA=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_Zstd=ON -DCMAKE_DISABLE_FIND_PACKAGE_GnuTLS=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_MbedTLS=ON -DCMAKE_DISABLE_FIND_PACKAGE_OpenSSL=ON
cmake --build "$build_dir" -j"$(nproc)"
# Install into a fresh folder and move it into place last, so that an interrupted run never
# leaves a libzip.a that a later run would take for a finished build.
rm -rf "$install_dir" "$install_dir.partial"
cmake --install "$build_dir" --prefix "$install_dir.partial"
mv "$install_dir.partial" "$install_dir"
