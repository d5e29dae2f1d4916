#!/usr/bin/env bash
# check_shipped_game.sh CHECKER GAME: the shipped game folder passes the
# content checker; a copy with one event removed, one bad item line and one
# face missing reports exactly those three problems.
set -euo pipefail
checker=$1 game=$2
"$checker" "$game" >/dev/null || { "$checker" "$game"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for part in img face txt sys/system.dat; do
  mkdir -p "$work/$(dirname "$part")"
  cp -r "$game/$part" "$work/$part"
done
rm "$work/txt/345.txt"
printf '>k>9\r\n' >>"$work/txt/0000.txt"
rm "$work/face/ジョダン＿驚.png"
set +e
report=$("$checker" "$work")
status=$?
set -e
problems=$(grep -c '^txt/' <<<"$report" || true)
echo "$report" | grep '^txt/'
[[ $status -eq 1 && $problems -eq 3 ]] &&
  grep -q '345' <<<"$report" && grep -q '^txt/0000.txt:.*>k>' <<<"$report" && grep -q 'ジョダン＿驚' <<<"$report"
