#!/usr/bin/env bash
# bench/history_open.sh [RUNS]: how long the text history takes to open in
# the game's window with 500 pages of speech behind it (target: under
# 50 ms), beside the same opening with one page behind it, measured in the
# same run. A copy of the game folder gets an opening event of 520 short
# pages, each a speaker and four lines; the window clicks them on itself
# and opens the history RUNS times (default 20) with each. Prints the
# medians and the spread.
set -euo pipefail

runs=${1:-20}
source "$(dirname "$0")/game_copy.sh"
for page in $(seq 520); do
  echo "-語り手"
  for line in $(seq 4); do echo "${page}頁の${line}行目、少し長めの一行です。"; done
  echo
done | write_opening

times=$(QUILLMERE_BENCH_HISTORY=$runs XDG_CONFIG_HOME=$folder/config timeout 300 \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$folder/quillmere" 2>/dev/null | awk '$1 == "history-open-ms" { print $2, $3 }')

awk -v want="$runs" '
  { k = $1 > 1 ? "full" : "one"; v[k, ++n[k]] = $2; pages[k] = $1 }
  function show(k,   i, j, t, m, count) {
    count = n[k]
    for (i = 2; i <= count; i++) for (j = i; j > 1 && v[k, j - 1] > v[k, j]; j--) { t = v[k, j]; v[k, j] = v[k, j - 1]; v[k, j - 1] = t }
    m = count % 2 ? v[k, (count + 1) / 2] : (v[k, count / 2] + v[k, count / 2 + 1]) / 2
    printf "%4d pages: median %7.2f ms  min %7.2f  max %7.2f  (%d opens)\n", pages[k], m, v[k, 1], v[k, count], count
    return m
  }
  END {
    if (n["one"] != want || n["full"] != want) { print "the window reported too few openings" > "/dev/stderr"; exit 1 }
    show("one"); m = show("full")
    printf "target: under 50 ms with 500 pages: %s\n", m < 50 ? "met" : "missed"
  }' <<<"$times"
