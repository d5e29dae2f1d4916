#!/usr/bin/env bash
# bench/music_cpu.sh [SECONDS]: how much of one core the game takes while it
# waits on its title screen, with a 20 s tone looping as its music on a
# private sound server, beside the same game without music; and its peak
# memory. The game's CPU time is read from /proc over SECONDS (default 10),
# after 3 s to settle. Wants scripts/deps.sh --audio first.
set -euo pipefail

seconds=${1:-10}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
[[ -f build/CMakeCache.txt ]] || cmake --preset default >/dev/null
cmake --build --preset default --target quillmere game_data sound-check >/dev/null

source tests/music/null_sink.sh
start_null_sink_in_temp
work=$NULL_SINK_TEMP
cp -r build/game "$work/silent"
rm -f "$work/silent/bgm.wav"
cp -r build/game "$work/music"
build/tests/music/sound-check tone "$work/music/bgm.wav" 20

# Runs on the virtual display. Prints "NAME PERCENT PEAK_KIB" for each game.
measure() {
  local seconds=$1 name pid before after
  shift
  for name in "$@"; do
    "$work/$name/quillmere" &
    pid=$!
    sleep 3
    before=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    sleep "$seconds"
    after=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    awk -v n="$name" -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" \
      '/^VmHWM/ { printf "%s %.2f %d\n", n, 100 * t / hz / s, $2 }' "/proc/$pid/status"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  done
}

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "work=$work; $(declare -f measure); measure \"\$@\"" _ \
  "$seconds" silent music |
  awk '
    BEGIN { printf "%-18s %14s %10s\n", "game", "CPU % of core", "peak MiB" }
    { printf "%-18s %14.2f %10.1f\n", ($1 == "music" ? "with music" : "without music"), $2, $3 / 1024 }
    END { print "target: under 1% of one core with music playing" }'
