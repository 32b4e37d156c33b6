#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine the way the tests expect:
# a private prefix, a quiet Wine, the Japanese code page and an X display.
# Usage: wine-run.sh win32|win64 PREFIX PROGRAM [ARGS...]
# A missing piece (Wine, the locale, the display) is a hard failure. The one
# exception is a machine whose kernel cannot run 32-bit x86 code at all: no
# install step can mend that, so a 32-bit test reports itself skipped
# (exit 77) and says why on every run.
set -euo pipefail

fail() { echo "wine-run: $*" >&2; exit 97; }

[ $# -ge 3 ] || fail "usage: wine-run.sh win32|win64 PREFIX PROGRAM [ARGS...]"
arch=$1
prefix=$2
shift 2

case "$arch" in
  win32) loader=/usr/lib/wine/wine ;;
  win64) loader=/usr/lib/wine/wine64 ;;
  *) fail "unknown architecture $arch" ;;
esac

[ -x "$loader" ] || fail "$loader is not installed; run scripts/setup.sh"
[ -n "${DISPLAY:-}" ] || fail "no X display; run the tests under xvfb-run -a (make test does)"
locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$' || fail "the ja_JP.UTF-8 locale is missing; run scripts/setup.sh"

if ! out=$("$loader" --version 2>&1); then
  case "$out" in
    *"Exec format error"*)
      echo "wine-run: SKIPPED: this kernel cannot execute 32-bit x86 programs (Exec format error)," >&2
      echo "wine-run: so 32-bit Wine cannot start here; the 64-bit build's tests run these sources instead" >&2
      exit 77 ;;
    *) fail "Wine does not start: $out" ;;
  esac
fi

export WINEPREFIX="$prefix"
export WINEARCH="$arch"
export WINEDEBUG=-all
export LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"

mkdir -p "$prefix"
# The first start of a prefix creates it; do that once, not in every test.
(
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    "$loader" wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
    [ -f "$prefix/system.reg" ] || fail "wineboot could not create $prefix"
  fi
) 9>"$prefix.lock"

exec "$loader" "$@"
