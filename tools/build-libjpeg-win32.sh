#!/usr/bin/env bash
# Builds a static 32-bit Windows libjpeg-turbo (IJG 6b API) from Debian's
# source package. Usage: build-libjpeg-win32.sh WORKDIR PREFIX TOOLCHAIN
set -euo pipefail
work=$1 prefix=$2 toolchain=$3
mkdir -p "$work/src"
cd "$work/src"
if ! ls -d libjpeg-turbo-*/ >/dev/null 2>&1; then
  apt-get source --download-only libjpeg-turbo >/dev/null 2>&1 || {
    echo "apt-get source libjpeg-turbo failed: is a deb-src entry configured? (tools/setup adds one)" >&2
    exit 1; }
  dsc=$(ls libjpeg-turbo_*.dsc | head -n1)
  dpkg-source --no-check -x "$dsc" >/dev/null
fi
src=$(ls -d libjpeg-turbo-*/ | head -n1)
rm -rf "$work/jpeg-build"
cmake -S "$src" -B "$work/jpeg-build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DWITH_SIMD=OFF -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
  -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF -DCMAKE_CROSSCOMPILING_EMULATOR= >/dev/null
cmake --build "$work/jpeg-build" --target jpeg-static >/dev/null
mkdir -p "$prefix/lib" "$prefix/include"
cp "$work/jpeg-build/libjpeg.a" "$prefix/lib/libjpeg.a"
cp "$src"/jpeglib.h "$src"/jmorecfg.h "$src"/jerror.h "$work/jpeg-build/jconfig.h" "$prefix/include/"
echo "libjpeg-turbo installed in $prefix"
