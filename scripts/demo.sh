#!/usr/bin/env bash
# Lays out the release folder and runs the demo session.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dist="$here/dist"

rm -rf "$dist/MVR95Util"
mkdir -p "$dist/MVR95Util"
cmake --install "$here/build/win32-release" --prefix "$dist" >/dev/null
echo "demo: release folder: $dist/MVR95Util"
ls -1 "$dist/MVR95Util" | sed 's/^/  /'
