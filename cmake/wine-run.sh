#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine the way the tests expect:
# a private prefix, a quiet Wine, the Japanese code page and an X display.
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]
# Any missing piece is a hard failure, never a skip.
set -euo pipefail

fail() { echo "wine-run: $*" >&2; exit 97; }

[ $# -ge 2 ] || fail "usage: wine-run.sh PREFIX PROGRAM [ARGS...]"
prefix=$1
shift

command -v wine >/dev/null 2>&1 || fail "wine is not installed; run scripts/setup.sh"
[ -n "${DISPLAY:-}" ] || fail "no X display; run the tests under xvfb-run -a (make test does)"
locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$' || fail "the ja_JP.UTF-8 locale is missing; run scripts/setup.sh"

export WINEPREFIX="$prefix"
export WINEARCH=win32
export WINEDEBUG=-all
export LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

mkdir -p "$prefix"
# The first start of a prefix creates it; do that once, not in every test.
(
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || fail "wineboot could not create $prefix"
  fi
) 9>"$prefix.lock"

exec wine "$@"
