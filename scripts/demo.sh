#!/usr/bin/env bash
# Lays out the release folder and plays a short session in the 1.2.7.0
# stand-in game under Wine, with a screenshot of its window.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build/win32-release"
dist="$here/dist"

rm -rf "$dist/MVR95Util"
mkdir -p "$dist/MVR95Util" "$dist/screenshots"
cmake --install "$build" --prefix "$dist" >/dev/null
echo "demo: release folder: $dist/MVR95Util"
ls -1 "$dist/MVR95Util" | sed 's/^/  /'

game="$build/testgame/Marivel1270.exe"
if ! out=$(/usr/lib/wine/wine --version 2>&1); then
  echo "demo: the session in the stand-in game needs 32-bit Wine, which cannot start here:"
  echo "demo:   $out"
  echo "demo: built and laid out only"
  exit 0
fi

session="$dist/demo-game"
rm -rf "$session" && mkdir -p "$session"
cp "$game" "$session/"
script='new; date 1524 2 1; city 0; names "Joao" "Franco"; inn; save; load; suspend; resume; sync; dump demo-state.txt; wait 4000; quit'
# The screenshot is taken once the state dump exists: the window then stays
# up for the last four seconds of the script.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1" win32 "$2" "$3" /script "$4" &
  game=$!
  for _ in $(seq 1 240); do [ -f "$6" ] && break; sleep 0.5; done
  sleep 1
  import -window root "$5"
  wait $game
' demo "$here/cmake/wine-run.sh" "$build/wineprefix" "$session/Marivel1270.exe" "$script" \
  "$dist/screenshots/demo-1270.png" "$session/demo-state.txt"
echo "demo: game folder after the session: $session"
ls -1 "$session" | sed 's/^/  /'
echo "demo: state: $(tr '\n' ' ' <"$session/demo-state.txt" 2>/dev/null)"
echo "demo: screenshot: $dist/screenshots/demo-1270.png"
