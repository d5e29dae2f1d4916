#!/usr/bin/env bash
# bench/startup.sh [RUNS [MUSIC]]: how long the game takes from launch to the
# first paint of its title screen, and its peak memory, beside a bare Qt
# window measured the same way, and a bare window that shows one line of
# Japanese text (which pays for the fonts as the game does). Each program
# runs RUNS times (default 10), in turns, on one virtual display; the
# medians and the largest peak are printed. With MUSIC, a wave file, the
# game plays a copy of the game folder with that file as its bgm.wav. The
# game reads its window's settings from a configuration folder of the
# bench's own: empty, or holding the file SETTINGS names
# (bench/settings_startup.sh).
set -euo pipefail

runs=${1:-10}
music=${2:-}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
[[ -f build/CMakeCache.txt ]] || cmake --preset default >/dev/null
cmake --build --preset default --target quillmere game_data bench-bare-window >/dev/null

copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
export XDG_CONFIG_HOME=$copy/config
mkdir -p "$XDG_CONFIG_HOME/quillmere"
[[ -z "${SETTINGS:-}" ]] || cp "$SETTINGS" "$XDG_CONFIG_HOME/quillmere/settings.ini"

game=build/game
if [[ -n "$music" ]]; then
  cp -r build/game "$copy/game"
  cp "$music" "$copy/game/bgm.wav"
  game=$copy/game
fi

# Runs on the virtual display. Prints "NAME MS KIB" for each run: the time
# from just before exec to the end of the first paint, and the peak memory.
measure() {
  local runs=$1
  shift
  local game=$1 bare=$2 name start out painted
  local -a program
  # Interleaved, so that a busy moment of the machine falls on all alike.
  for _ in $(seq "$runs"); do
    for name in quillmere bench-bare-window bare-text; do
      case $name in
        quillmere) program=("$game") ;;
        bench-bare-window) program=("$bare") ;;
        bare-text) program=("$bare" --text) ;;
      esac
      start=$(date +%s%N)
      out=$(QUILLMERE_BENCH_FIRST_PAINT=1 "${program[@]}" 2>/dev/null)
      painted=$(awk '$1 == "first-paint-ns" { print $2 }' <<<"$out")
      awk -v n="$name" -v s="$start" -v p="$painted" '$1 == "maxrss-kib" { printf "%s %.3f %d\n", n, (p - s) / 1e6, $2 }' <<<"$out"
    done
  done
}

samples=$(xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$(declare -f measure); measure \"\$@\"" _ \
  "$runs" "$game/quillmere" build/bench/bench-bare-window)

awk '
  { ms[$1, ++count[$1]] = $2; if ($3 > kib[$1]) kib[$1] = $3 }
  function median(name,   n, i, j, t, v) {
    n = count[name]
    for (i = 1; i <= n; i++) v[i] = ms[name, i]
    for (i = 2; i <= n; i++) for (j = i; j > 1 && v[j - 1] > v[j]; j--) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
    return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
  }
  END {
    if (count["quillmere"] == 0 || count["bench-bare-window"] == 0) { print "a program printed no first paint" > "/dev/stderr"; exit 1 }
    game = median("quillmere"); bare = median("bench-bare-window")
    printf "%-18s %10s %14s\n", "program", "start-up ms", "peak MiB"
    printf "%-18s %10.1f %14.1f\n", "quillmere", game, kib["quillmere"] / 1024
    printf "%-18s %10.1f %14.1f\n", "bare window", bare, kib["bench-bare-window"] / 1024
    printf "%-18s %10.1f %14.1f\n", "bare+text", median("bare-text"), kib["bare-text"] / 1024
    printf "start-up ratio    %10.2f  (target: 2.00 or less; memory under 60 MiB)\n", game / bare
  }' <<<"$samples"
