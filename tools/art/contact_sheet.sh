#!/usr/bin/env bash
# tools/art/contact_sheet.sh [GAME_DIR] [OUT.png]: lays the 64 memory
# pictures of a game folder side by side, eight to a row, each under its
# name, to look them over at a glance (ImageMagick's montage). The group
# pictures come first in the order of their names, then the eight endings.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
game=$(realpath -m "${1:-$root/build/game}")
out=$(realpath -m "${2:-$root/build/memory-pictures.png}")

pictures=()
for a in 0 1 2 3 4 5 6 7; do
  for b in 0 1 2 3 4 5 6 7; do
    for c in 0 1 2 3 4 5 6 7; do
      ((a < b && b < c)) && pictures+=("$game/img/$a$b$c.png")
    done
  done
done
for f in 0 1 2 3 4 5 6 7; do pictures+=("$game/img/end$f.png"); done
for picture in "${pictures[@]}"; do
  [[ -f $picture ]] || { echo "missing $picture" >&2; exit 1; }
done

mkdir -p "$(dirname "$out")"
montage -label '%t' "${pictures[@]}" -tile 8x -geometry 240x180+4+4 -pointsize 14 -background '#202028' \
  -fill white "$out"
echo "$out"
