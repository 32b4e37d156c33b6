#!/usr/bin/env bash
# Installs everything the build and the tests need on a Debian 12 machine.
# Safe to run again: each step checks first and does nothing when already done.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cache="$here/.cache"

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

packages=(
  cmake ninja-build make git dpkg-dev
  g++-mingw-w64-i686-win32 gcc-mingw-w64-i686-win32 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-win32 gcc-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64
  libz-mingw-w64-dev googletest
  clang libclang-rt-14-dev libcapstone-dev python3-capstone python3-pefile
  wine wine32:i386 wine64 xvfb xauth imagemagick fonts-noto-cjk xdotool locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

updated=0
apt_update() {
  if [ "$updated" -eq 0 ]; then $SUDO apt-get update -qq; updated=1; fi
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  updated=0
fi

if [ "${#missing[@]}" -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt_update
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine reports code page 932 only when the Japanese locale exists.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating ja_JP.UTF-8"
  $SUDO sed -i 's/^# *\(ja_JP\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi

# minizip ships only inside zlib's source package: add a source entry that
# mirrors the binary one, then download the source into the ignored cache.
minizip="$cache/minizip"
if [ ! -f "$minizip/zip.c" ]; then
  srcs=/etc/apt/sources.list.d/debian.sources
  if ! grep -q '^Types:.*deb-src' "$srcs" 2>/dev/null; then
    if [ -f "$srcs" ]; then
      echo "setup: adding a deb-src entry mirroring $srcs"
      awk 'BEGIN{RS=""; ORS="\n"} /(^|\n)Types: *deb( |\n|$)/ {print; exit}' "$srcs" \
        | sed 's/^Types:.*/Types: deb-src/' | $SUDO tee /etc/apt/sources.list.d/zz-keelson-src.sources >/dev/null
    fi
  fi
  updated=0
  apt_update
  mkdir -p "$cache/zlib-src"
  (cd "$cache/zlib-src" && apt-get source -o APT::Sandbox::User=root --download-only -qq zlib >/dev/null)
  tarball=$(ls "$cache"/zlib-src/zlib_*.orig.tar.* | head -n 1)
  rm -rf "$cache/zlib-extract" && mkdir -p "$cache/zlib-extract"
  tar -xf "$tarball" -C "$cache/zlib-extract"
  rm -rf "$minizip" && mkdir -p "$minizip"
  cp "$cache"/zlib-extract/*/contrib/minizip/{ioapi.c,ioapi.h,iowin32.c,iowin32.h,zip.c,zip.h,unzip.c,unzip.h,crypt.h} "$minizip/"
  rm -rf "$cache/zlib-extract"
fi

echo "setup: ready"
