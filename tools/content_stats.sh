#!/usr/bin/env bash
# Prints the figures an editor weighs the shipped story by:
#   tools/content_stats.sh [TXT_DIR]     (default: data/game/txt)
#
# Story text is what the player reads on the page: the text lines of the
# events (opening, help, last day, group and solo events, endings). Speaker
# lines (-NAME), tags (>k>, >img ...) and empty lines are not story text;
# the title text and the album template are not events. Characters are
# counted as the page shows them, one per character, line ends left out.
#
# For the 56 group events it then prints how long they run (all lines of
# the file), how often the player speaks, who speaks first and which scenes
# they set.
set -euo pipefail
export LC_ALL=C.UTF-8

dir=${1:-"$(dirname "$0")/../data/game/txt"}
cd "$dir"

# The text lines of one event file.
text_lines() { grep -v -e '^-' -e '^>' -e '^$' "$1" || true; }
chars() { text_lines "$1" | tr -d '\n' | wc -m; }

group_events() { ls | grep -E '^[0-7]{3}\.txt$' | grep -E '^(0|1|2|3|4|5|6)' | sort; }
solo_events() { ls | grep -E '^[0-6]{4}\.txt$' | sort; }
endings() { ls | grep -E '^end[0-7]?\.txt$' | sort; }
framing() { ls | grep -E '^(opn|help)\.txt$' | sort; }

sum_chars() {
  local total=0 f
  for f in "$@"; do total=$((total + $(chars "$f"))); done
  echo "$total"
}

mapfile -t groups < <(group_events)
mapfile -t solos < <(solo_events)
mapfile -t ends < <(endings)
mapfile -t frames < <(framing)

g=$(sum_chars "${groups[@]}")
s=$(sum_chars "${solos[@]}")
e=$(sum_chars "${ends[@]}")
o=$(sum_chars "${frames[@]}")
echo "== Story text (characters of text lines)"
printf '%-28s %6d  (%d events, %d per event)\n' "group events" "$g" "${#groups[@]}" $((g / ${#groups[@]}))
printf '%-28s %6d  (%d events)\n' "solo events" "$s" "${#solos[@]}"
printf '%-28s %6d  (%d events)\n' "last day and endings" "$e" "${#ends[@]}"
printf '%-28s %6d\n' "opening and help" "$o"
printf '%-28s %6d\n' "all" $((g + s + e + o))

echo
echo "== Group events: lines per file"
lines=()
for f in "${groups[@]}"; do lines+=("$(wc -l <"$f")"); done
sorted=$(printf '%s\n' "${lines[@]}" | sort -n)
printf 'min %s, median %s, max %s\n' "$(head -1 <<<"$sorted")" \
  "$(sed -n "$(((${#lines[@]} + 1) / 2))p" <<<"$sorted")" "$(tail -1 <<<"$sorted")"
for band in "1 24" "25 34" "35 44" "45 54" "55 64" "65 70" "71 999"; do
  read -r lo hi <<<"$band"
  n=$(awk -v lo="$lo" -v hi="$hi" '$1 >= lo && $1 <= hi' <<<"$sorted" | wc -l)
  printf '  %3d-%-3d lines: %d events\n' "$lo" "$hi" "$n"
done
printf '  most common length: %s lines, %s events\n' \
  "$(uniq -c <<<"$sorted" | sort -rn | head -1 | awk '{print $2}')" \
  "$(uniq -c <<<"$sorted" | sort -rn | head -1 | awk '{print $1}')"

echo
echo "== Group events: the player's speaker lines per event"
counts=()
for f in "${groups[@]}"; do counts+=("$(grep -c '^-あなた$' "$f" || true)"); done
printf '%s\n' "${counts[@]}" | sort -n | uniq -c | awk '{printf "  %d line(s): %d events\n", $2, $1}'
more=$(printf '%s\n' "${counts[@]}" | awk '$1 > 1' | wc -l)
printf '  more than one: %d of %d\n' "$more" "${#groups[@]}"

echo
echo "== Group events: who speaks first"
for f in "${groups[@]}"; do
  first=$(head -1 "$f")
  case "$first" in
    -) echo "narration" ;;
    -*) first=${first#-}; echo "${first%%＿*}" ;;
    *) echo "narration" ;;
  esac
done | sort | uniq -c | sort -rn | awk '{printf "  %-12s %d\n", $2, $1}'

echo
echo "== Group events: scenes set (>img, without the closing game)"
for f in "${groups[@]}"; do
  scenes=$(grep '^>img ' "$f" | cut -c6- | grep -vx game | awk '!seen[$0]++' | paste -sd, - || true)
  printf '  %s %s\n' "${f%.txt}" "${scenes:-(game)}"
done | paste - - - -
echo "  per scene (first scene of each event):"
for f in "${groups[@]}"; do
  grep '^>img ' "$f" | cut -c6- | grep -vx game | head -1 || echo "(game)"
done | sort | uniq -c | sort -rn | awk '{printf "    %-8s %d\n", $2, $1}'
