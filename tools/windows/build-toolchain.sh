#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds what the Windows build of Tallyra links against, from Debian 12's own source packages:
# a static Qt 6.4.2 (qtbase) and static OpenSP + libofx, all with Debian's MinGW-w64 (posix).
# Installs the cross compiler, wine, NSIS and Xvfb when missing. The results go to a cache
# folder outside the clone, /var/cache/tallyra-windows, one folder for each key (the source
# versions, the compiler's and a hash of how they are built); a folder already there is kept
# and nothing is rebuilt. The links qt and libofx there name the ones in use, where the
# windows preset looks for them.
#   build-toolchain.sh           installs, downloads and builds what is missing
#   build-toolchain.sh --fetch   only installs the packages and downloads the sources, so that
#                                the build can run beside other work that uses apt
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=/var/cache/tallyra-windows
jobs=${JOBS:-$(nproc)}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  qt6-base-dev qt6-base-dev-tools ninja-build cmake make patch pkg-config xz-utils dpkg-dev
  wine wine64 libwine fonts-wine fonts-dejavu-core nsis xvfb xauth imagemagick)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# What Qt is built with; the few modules Tallyra does not use are left out. (Not direct2d:
# without it Qt 6.4.2's Windows platform plugin cannot be linked.)
qtfeatures=(-release -static -nomake examples -nomake tests
  -no-opengl -no-dbus -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml
  -no-feature-tabletevent
  -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre)

gccversion=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)
qtkey=$(echo "${qtfeatures[*]}" | sha256sum | cut -c1-8)
ofxkey=$(cat "$here"/patches/* "$here"/iconv-shim/* | sha256sum | cut -c1-8)
qtprefix=$cache/qtbase-6.4.2-gcc$gccversion-$qtkey
ofxprefix=$cache/libofx-0.10.9-opensp-1.5.2-gcc$gccversion-$ofxkey
work=$cache/work
log() { echo "build-toolchain: $*" >&2; }

fetch_sources() {
  $sudo mkdir -p "$cache"
  [ -w "$cache" ] || $sudo chown "$(id -u):$(id -g)" "$cache"
  if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
      $sudo tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
    $sudo apt-get update -q
  fi
  mkdir -p "$work/src" && cd "$work/src"
  for source in "$@"; do
    ls "${source}"_*.orig.tar.* >/dev/null 2>&1 || apt-get source --download-only "$source" >&2 || true
  done
}

build_qt() {
  log "building Qt 6.4.2 for Windows into $qtprefix (about 45 minutes on two cores)"
  fetch_sources qt6-base
  rm -rf "$work/qtbase-everywhere-src-6.4.2" "$work/build-qt"
  tar -C "$work" -xf "$work/src/qt6-base_6.4.2+dfsg.orig.tar.xz"
  mkdir -p "$work/build-qt" && cd "$work/build-qt"
  nice -n 19 "$work/qtbase-everywhere-src-6.4.2/configure" -prefix "$qtprefix.part" \
    -platform linux-g++ -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32- \
    -qt-host-path /usr "${qtfeatures[@]}" -- -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -GNinja >"$work/qt-configure.log" 2>&1 ||
    { tail -40 "$work/qt-configure.log"; exit 1; }
  nice -n 19 ninja -j"$jobs" >"$work/qt-build.log" 2>&1 || { tail -60 "$work/qt-build.log"; exit 1; }
  rm -rf "$qtprefix.part"
  ninja install >"$work/qt-install.log" 2>&1
  mv "$qtprefix.part" "$qtprefix"
  rm -rf "$work/build-qt" "$work/qtbase-everywhere-src-6.4.2"
}

build_libofx() {
  log "building OpenSP 1.5.2 and libofx 0.10.9 for Windows into $ofxprefix (about 3 minutes)"
  fetch_sources opensp libofx
  cd "$work/src"
  echo "334c444c97590a000f20bcef7c1bec63d4e396bae6ba48b3ff49596443c467dd  opensp_1.5.2.orig.tar.gz
ea9fa07759622ecc7f25b637fa8fb34d587af80607ca4389d25966a6a4f94ab9  libofx_0.10.9.orig.tar.gz" | sha256sum -c --quiet
  local prefix=$ofxprefix.part
  rm -rf "$prefix" "$work/opensp-1.5.2" "$work/libofx-0.10.9" "$work/build-libofx"
  mkdir -p "$prefix/lib" "$prefix/include"
  tar -C "$work" -xf opensp_1.5.2.orig.tar.gz
  cd "$work/opensp-1.5.2"
  # Win64 is LLP64: OpenSP casts a pointer to unsigned long, an error with g++ 12.
  patch -p1 <"$here/patches/opensp-1.5.2-win64-pointer-cast.patch" >/dev/null
  # -UWIN32: with it, OpenSP maps the encoding libofx asks for to the OEM code page and garbles
  # every non-ASCII byte; without it, bytes pass through as on Linux.
  nice -n 19 ./configure -q --host=x86_64-w64-mingw32 --prefix="$prefix" --disable-shared --enable-static \
    --disable-nls --disable-doc-build CPPFLAGS="-UWIN32" CXXFLAGS="-O2" CFLAGS="-O2" >/dev/null
  nice -n 19 make -s -j"$jobs" -C lib >"$work/opensp-build.log" 2>&1 || { tail -40 "$work/opensp-build.log"; exit 1; }
  { make -C lib install && make -C include install && make -C generic install &&
    make install-pkgincludeHEADERS; } >/dev/null
  # MinGW has no iconv: a small one over the Windows code-page functions.
  x86_64-w64-mingw32-gcc-posix -O2 -Wall -c "$here/iconv-shim/iconv.c" -o "$work/iconv.o"
  x86_64-w64-mingw32-ar rcs "$prefix/lib/libiconv.a" "$work/iconv.o"
  install -m644 "$here/iconv-shim/iconv.h" "$prefix/include/iconv.h"
  tar -C "$work" -xf "$work/src/libofx_0.10.9.orig.tar.gz"
  PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" PKG_CONFIG_PATH="" nice -n 19 cmake -S "$work/libofx-0.10.9" \
    -B "$work/build-libofx" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" \
    -DTALLYRA_WINDOWS_PREFIXES="$prefix" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$ofxprefix" \
    -DBUILD_SHARED_LIBS=OFF -DENABLE_ICONV=ON -DIconv_INCLUDE_DIR="$prefix/include" \
    -DIconv_LIBRARY="$prefix/lib/libiconv.a" -DENABLE_OFXCONNECT=OFF -DENABLE_OFXDUMP=OFF \
    -DENABLE_OFX2QIF=OFF -DBUILD_TESTING=OFF -DOpenSP_INCLUDE_DIR="$prefix/include/OpenSP" \
    -DOpenSP_LIBRARY="$prefix/lib/libosp.a" >"$work/libofx-configure.log" 2>&1 ||
    { tail -40 "$work/libofx-configure.log"; exit 1; }
  nice -n 19 cmake --build "$work/build-libofx" -j"$jobs" >"$work/libofx-build.log" 2>&1 ||
    { tail -40 "$work/libofx-build.log"; exit 1; }
  # Installed where it will stay (its CMake files hold the absolute path), next to OpenSP.
  rm -rf "$ofxprefix"
  mv "$prefix" "$ofxprefix"
  DESTDIR="" cmake --install "$work/build-libofx" >/dev/null
  sed -i "s|$prefix|$ofxprefix|g" "$ofxprefix"/lib/cmake/*/*.cmake "$ofxprefix"/lib/pkgconfig/*.pc 2>/dev/null || true
  rm -rf "$work/opensp-1.5.2" "$work/libofx-0.10.9" "$work/build-libofx"
}

if [ "${1:-}" = "--fetch" ]; then
  [ -d "$ofxprefix" ] || fetch_sources opensp libofx
  [ -d "$qtprefix" ] || fetch_sources qt6-base
  exit 0
fi
[ -d "$ofxprefix" ] || build_libofx
[ -d "$qtprefix" ] || build_qt
ln -sfn "$qtprefix" "$cache/qt"
ln -sfn "$ofxprefix" "$cache/libofx"
echo "build-toolchain: Qt in $qtprefix, libofx in $ofxprefix" >&2
