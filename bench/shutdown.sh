#!/usr/bin/env bash
# bench/shutdown.sh [RUNS]: how long the game lives on once its window has
# vanished, beside a bare Qt window measured the same way, and whether a
# SIGTERM shuts it down as a close does. On a virtual display with openbox
# as window manager and with the music playing on a private sound server,
# each program runs RUNS times (default 10), the game on a copy of its
# folder: a second after its window shows, Alt+F4 asks openbox to
# close it, and the time from the window's unmapping to the end of the
# process is taken (polled every few milliseconds). Then the game runs RUNS
# more times and is sent SIGTERM: the time to its end, and whether it wrote
# its picture register on the way, as Form_Unload does. Wants
# scripts/deps.sh --display --audio first.
set -euo pipefail

runs=${1:-10}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
[[ -f build/CMakeCache.txt ]] || cmake --preset default >/dev/null
cmake --build --preset default --target quillmere game_data bench-bare-window >/dev/null

source tests/music/null_sink.sh
start_null_sink_in_temp
copy=$NULL_SINK_TEMP
cp -r build/game "$copy/game"

# Runs on the virtual display. Prints "close NAME MS" for each close and
# "term MS REGISTER-WRITTEN" for each SIGTERM.
measure() {
  local runs=$1 game=$2 bare=$3 program pid wid start vanished ended register
  now() { date +%s%N; }
  openbox --sm-disable >/dev/null 2>&1 &
  sleep 1
  for program in "$game/quillmere" "$bare"; do
    for _ in $(seq "$runs"); do
      "$program" >/dev/null 2>&1 &
      pid=$!
      wid=$(xdotool search --sync --onlyvisible --pid "$pid" | head -1)
      sleep 1
      xdotool windowactivate --sync "$wid" key alt+F4
      while xwininfo -id "$wid" 2>/dev/null | grep -q IsViewable; do :; done
      vanished=$(now)
      wait "$pid" || true
      ended=$(now)
      echo "close $(basename "$program") $(((ended - vanished) / 1000))"
    done
  done
  register=$game/sys/lstphoto.dat
  for _ in $(seq "$runs"); do
    rm -f "$register"
    "$game/quillmere" >/dev/null 2>&1 &
    pid=$!
    xdotool search --sync --onlyvisible --pid "$pid" >/dev/null
    sleep 1
    start=$(now)
    kill -TERM "$pid"
    wait "$pid" || true
    ended=$(now)
    echo "term $(((ended - start) / 1000)) $([[ -f $register ]] && echo 1 || echo 0)"
  done
}

samples=$(xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$(declare -f measure); measure \"\$@\"" _ \
  "$runs" "$copy/game" "$root/build/bench/bench-bare-window")

awk '
  function median(key, n,   i, j, t, v) {
    for (i = 1; i <= n; i++) v[i] = ms[key, i]
    for (i = 2; i <= n; i++) for (j = i; j > 1 && v[j - 1] > v[j]; j--) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
    lo[key] = v[1]; hi[key] = v[n]
    return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
  }
  $1 == "close" { ms[$2, ++count[$2]] = $3 / 1000 }
  $1 == "term" { ms["term", ++count["term"]] = $2 / 1000; written += $3 }
  END {
    printf "%-34s %8s %8s %8s\n", "", "median", "min", "max"
    m = median("quillmere", count["quillmere"]); printf "%-34s %8.1f %8.1f %8.1f ms\n", "game: window gone to process end", m, lo["quillmere"], hi["quillmere"]
    b = median("bench-bare-window", count["bench-bare-window"]); printf "%-34s %8.1f %8.1f %8.1f ms\n", "bare window: the same", b, lo["bench-bare-window"], hi["bench-bare-window"]
    t = median("term", count["term"]); printf "%-34s %8.1f %8.1f %8.1f ms\n", "game: SIGTERM to process end", t, lo["term"], hi["term"]
    printf "picture register written on SIGTERM: %d of %d runs\n", written, count["term"]
    printf "target: the game ends within 300 ms of its window vanishing: %s\n", hi["quillmere"] <= 300 ? "met" : "missed"
  }' <<<"$samples"
