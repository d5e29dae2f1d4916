#!/usr/bin/env bash
# album_in_chromium.sh DRIVER GAME SHIPPED: makes both albums of a copy of
# GAME, with the album template of the shipped game folder SHIPPED (kept
# under a folder whose name has a space and kanji, as players' folders do),
# with the headless driver; opens each in headless Chromium and checks that
# every picture on the page loaded. Exits 77 (skipped) without Chromium.
set -euo pipefail
driver=$1 game=$2 shipped=$3
chromium=$(command -v chromium || command -v chromium-browser || true)
[[ -n $chromium ]] || { echo "chromium is not installed: skipped"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder="$work/my games 絵/game"
mkdir -p "$folder"
cp -r "$game/." "$folder"
cp "$shipped/txt/arub.txt" "$folder/txt/"
mkdir -p "$folder/face"
touch "$folder/face/dmy"
cp "$folder/img/game.png" "$folder/face/ササン＿笑.png"
printf -- '-ササン＿笑\r\nこんにちは\r\n' | iconv -f UTF-8 -t CP932 >"$folder/txt/012.txt"
printf '012\r\ngame\r\npar\r\n' >"$folder/sys/lstphoto.dat"
printf 'load\nmouseup ComIvent 1\nselect LstIvent 0\nmouseup ComIvent 2\n' | "$driver" "$folder" >/dev/null

# Each page gets a small script that counts the pictures that loaded.
check() {
  local page=$1 probe="$folder/probe.html" dom
  cp "$page" "$probe"
  echo '<script>addEventListener("load", () => { const all = [...document.images];
    document.body.dataset.pictures = all.length + "/" + all.filter(i => i.naturalWidth > 0).length; });</script>' >>"$probe"
  dom=$("$chromium" --headless --no-sandbox --disable-gpu --user-data-dir="$work/profile" \
    --allow-file-access-from-files --virtual-time-budget=5000 --dump-dom "file://$probe" 2>/dev/null)
  local counts
  counts=$(grep -o 'data-pictures="[0-9]*/[0-9]*"' <<<"$dom" | grep -o '[0-9]*/[0-9]*' || true)
  echo "$(basename "$page"): pictures shown/loaded = ${counts:-none}"
  [[ -n $counts && ${counts%/*} == "${counts#*/}" && ${counts%/*} -ge $2 ]]
}
check "$folder/アルバム.html" 3
check "$folder/アルバム「012」.html" 2
