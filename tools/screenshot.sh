#!/usr/bin/env bash
# tools/screenshot.sh [OUT.png]: photographs the title screen on a virtual
# display (1280x1024), to see what a player sees without a screen of one's
# own. Builds what is out of date first.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build/screenshot-title.png}")
game=$root/build/game/quillmere

(
  cd "$root"
  [[ -f build/CMakeCache.txt ]] || cmake --preset default >/dev/null
  cmake --build --preset default --target quillmere game_data >/dev/null
)

# Runs on the virtual display: start the game, wait for its window to be
# mapped and drawn, photograph the screen, close the game.
photograph() {
  local game=$1 out=$2
  "$game" &
  local pid=$!
  for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q '"Quillmere"' && break
    kill -0 "$pid" 2>/dev/null || { echo "the game ended before showing its window" >&2; exit 1; }
    sleep 0.1
  done
  sleep 1  # the first paint follows the mapping
  import -window root "$out"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

mkdir -p "$(dirname "$out")"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$(declare -f photograph); photograph \"\$0\" \"\$1\"" "$game" "$out"
echo "$out"
