#!/usr/bin/env bash
# bench/text_pacing.sh [TICKS]: how evenly the game's window shows event
# text. A copy of the game folder gets an opening event of plain text lines
# that never waits for a click (a speaker line before each page is full);
# the window presses "Start" itself and reports the interval between each
# two of TICKS + 1 text-timer ticks (default 100). Prints the median, the
# spread and the worst jitter against the 100 ms the text is paced at.
set -euo pipefail

ticks=${1:-100}
source "$(dirname "$0")/game_copy.sh"
for page in $(seq $((ticks / 10 + 2))); do
  echo "-語り手"
  for line in $(seq 10); do echo "${page}頁の${line}行目"; done
done | write_opening

intervals=$(QUILLMERE_BENCH_TEXT_PACING=$ticks timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$folder/quillmere" 2>/dev/null | awk '$1 == "tick-interval-us" { print $2 / 1000 }' | sort -n)

awk -v want="$ticks" '
  { v[++n] = $1; d = $1 - 100; if (d < 0) d = -d; if (d > worst) worst = d }
  END {
    if (n != want) { printf "expected %d intervals, got %d\n", want, n > "/dev/stderr"; exit 1 }
    median = n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
    printf "ticks %d  median %.2f ms  min %.2f  max %.2f  p5 %.2f  p95 %.2f  worst jitter %.2f ms\n",
      n, median, v[1], v[n], v[int(n * 0.05) + 1], v[int(n * 0.95)], worst
    printf "target: median 100 ms +- 2 ms: %s\n", (median >= 98 && median <= 102) ? "met" : "missed"
  }' <<<"$intervals"
