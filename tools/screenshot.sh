#!/usr/bin/env bash
# tools/screenshot.sh SCRIPT OUT_DIR: plays SCRIPT, a scenario or any driver
# script, in the game's real window on a desktop of its own, and saves the
# shots it asks for ("shot NAME.png", the window as the screen shows it)
# into OUT_DIR, with each message box as box-1.png, box-2.png ... over the
# window behind it. Prints what the driver prints. The script plays a fresh
# copy of the game it names ("# game: NAME", a folder of tests/games or
# "shipped"; the shipped game without one). Builds what is out of date
# first. tools/screenshot_tour.scn photographs the main screens at three
# heights.
set -euo pipefail

if [[ $# -ne 2 ]]; then
  echo "usage: tools/screenshot.sh SCRIPT OUT_DIR" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
script=$(realpath "$1")
out=$(realpath -m "$2")
game=$(sed -n 's/^# game: //p' "$script" | head -n 1)
game=${game:-shipped}

data=game_data
[[ $game == shipped ]] || data=test_game_$game
(
  cd "$root"
  [[ -f build/CMakeCache.txt ]] || cmake --preset default >/dev/null
  cmake --build --preset default --target quillmere-window-driver "$data" >/dev/null
)

# A copy, so that what the game writes stays out of the build; the shipped
# game without what a player's runs wrote beside it.
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
if [[ $game == shipped ]]; then
  mkdir -p "$copy/game/sys"
  cp -r "$root"/build/game/{img,face,txt} "$copy/game/"
  cp "$root/build/game/sys/system.dat" "$copy/game/sys/"
else
  cp -r "$root/build/tests/games/$game" "$copy/game"
fi

mkdir -p "$out"
cd "$out"
QUILLMERE_BOX_SHOTS=$out "$root/tests/window/on_desktop.sh" \
  "$root/build/app/window_driver/quillmere-window-driver" "$copy/game" "$script"
