#!/usr/bin/env bash
# tools/bgm/measure.sh [WAV]: what the music sounds like in figures, with
# sox: its length and size, how loud each whole second is (RMS, dBFS), and
# how bright it is (the spectral centroid of the whole piece, and the share
# of its energy above 2 kHz). The seconds at the very start and end, where
# the loop meets itself in silence, are left out of the loudness range.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
wav=${1:-$root/build/game/bgm.wav}
command -v sox >/dev/null || { echo "measure.sh needs sox (apt-get install sox)" >&2; exit 1; }

seconds=$(soxi -D "$wav")
echo "file:      $(stat -c %s "$wav") bytes, $(soxi -r "$wav") Hz, $(soxi -c "$wav") channel(s), $(soxi -b "$wav") bits"
printf 'length:    %.1f s\n' "$seconds"

# RMS of every whole second, in dBFS.
whole=$(awk -v s="$seconds" 'BEGIN { print int(s) }')
levels=()
for ((i = 0; i < whole; i++)); do
  levels+=("$(sox "$wav" -n trim "$i" 1 stats 2>&1 | awk '/^RMS lev dB/ { print $4 }')")
done
echo "per second (dBFS): ${levels[*]}"
printf '%s\n' "${levels[@]}" | awk -v edge=2 '
  { level[NR] = ($1 == "-inf") ? -200 : $1 }
  END {
    low = 1e9; high = -1e9
    for (i = 1 + edge; i <= NR - edge; i++) {
      if (level[i] < low) { low = level[i]; lowAt = i - 1 }
      if (level[i] > high) { high = level[i]; highAt = i - 1 }
      sorted[++n] = level[i]
    }
    printf "loudness:  quietest second %.1f dBFS (at %d s), loudest %.1f dBFS (at %d s), range %.1f dB\n",
      low, lowAt, high, highAt, high - low
    # The spread of the middle 80% of the seconds, which a fade alone cannot widen.
    for (i = 2; i <= n; i++) for (j = i; j > 1 && sorted[j] < sorted[j - 1]; j--) {
      t = sorted[j]; sorted[j] = sorted[j - 1]; sorted[j - 1] = t
    }
    p10 = sorted[int(n * 0.1) + 1]; p90 = sorted[int(n * 0.9)]
    printf "           10th to 90th percentile %.1f to %.1f dBFS, %.1f dB\n", p10, p90, p90 - p10
  }'

# The power spectrum of every 4096-sample window, summed over the piece.
sox "$wav" -n stat -freq 2>&1 | awk '
  NF == 2 && $1 ~ /^[0-9.]+$/ {
    total += $2; moment += $1 * $2
    if ($1 >= 2000) high += $2
  }
  END {
    printf "brightness: spectral centroid %.0f Hz, %.1f%% of the energy above 2 kHz\n",
      moment / total, 100 * high / total
  }'
