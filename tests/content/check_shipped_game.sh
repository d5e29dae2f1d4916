#!/usr/bin/env bash
# check_shipped_game.sh CHECKER GAME: the shipped game folder passes the
# content checker; a copy with one event removed, one bad item line, one
# face missing, a solo event padded past the guide's range and three lines
# that break the guide's text rules reports exactly those problems.
set -euo pipefail
checker=$1 game=$2
"$checker" "$game" >/dev/null || { "$checker" "$game"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for part in img face txt sys/system.dat; do
  mkdir -p "$work/$(dirname "$part")"
  cp -r "$game/$part" "$work/$part"
done
# Appends UTF-8 lines to a text of the game folder as the game reads it.
append() {
  local file=$1; shift
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932 >>"$work/txt/$file"
}
rm "$work/txt/345.txt"
append 0000.txt '>k>9' '' '噂をきいた。' 'ほんとう？ ほんとう。' 'この一行は、ガイドの決めた二十四文字をこえてしまう。'
rm "$work/face/ジョダン＿驚.png"
for _ in $(seq 40); do append 1110.txt '' 'うん。'; done
set +e
report=$("$checker" "$work")
status=$?
set -e
echo "$report" | grep '^txt/'
expected=(
  'txt/345.txt: missing group event'
  'txt/0000.txt:.*: >k> without an emotion digit'
  'txt/0000.txt:.*: 噂: the guide writes うわさ'
  'txt/0000.txt:.*: a half-width space after full-width punctuation'
  'txt/0000.txt:.*: a text line of 26 characters'
  'txt/1110.txt: 110 lines; the guide wants a solo event of 25 to 60'
  'ジョダン＿驚.png is missing'
)
[[ $status -eq 1 ]] || exit 1
[[ $(grep -c '^txt/' <<<"$report") -eq ${#expected[@]} ]] || exit 1
for line in "${expected[@]}"; do grep -q "$line" <<<"$report" || { echo "not reported: $line"; exit 1; }; done
