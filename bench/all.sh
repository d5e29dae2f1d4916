#!/usr/bin/env bash
# bench/all.sh [--quick]: the game's performance in one table, each figure
# beside its anchor measured in the same run:
#   - start-up to the first paint and peak memory, silent and with music,
#     against a bare Qt window, and against a bare window that shows one
#     line of Japanese text (bench/startup.sh);
#   - idle CPU on the title screen, silent and with music (the private sound
#     server's share apart), against the bare window;
#   - idle CPU on the playing screen with a saved world of 30,000 parts,
#     against the same screen with an empty world, and on the title screen
#     with a register of 100,000 pictures, against the plain title;
#   - text pacing over 100 ticks (bench/text_pacing.sh), against its 100 ms;
#   - the layout pass at 1920 x 1440 with the scene, the face and a memory
#     picture shown, an album of 64 pictures, and random player actions per
#     second, all in the headless core, against a start-up of the same
#     driver.
# Idle figures are each program's CPU time from /proc over 30 s once its
# window has settled, all programs idling side by side; the sound server is
# the one the music plays on. The machine may be shared: idle figures are
# the median of 3 rounds with their range, start-up the median of 20 runs.
# --quick takes one round and shorter waits (about a minute); the full run
# takes about four minutes. Wants scripts/deps.sh --display --audio first.
set -euo pipefail

rounds=3 seconds=30 startups=20 ticks=100 actions=20000
if [[ ${1:-} == --quick ]]; then rounds=1 seconds=5 startups=6 ticks=30 actions=5000; fi
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
[[ -f build/CMakeCache.txt ]] || cmake --preset default >/dev/null
cmake --build build -j2 --target quillmere game_data bench-bare-window sound-check quillmere-headless \
  quillmere-soak >/dev/null

source tests/music/null_sink.sh
start_null_sink_in_temp
work=$NULL_SINK_TEMP
samples=$work/samples

# Lines in the game's own text format: CP932 with CR LF.
game_text() { sed 's/$/\r/' | iconv -f UTF-8 -t CP932; }

silent_copy() {
  cp -r build/game "$work/$1"
  rm -f "$work/$1/bgm.wav" "$work/$1/sys/all.dat" "$work/$1/sys/save.commit"
}

# A saved game of the longest length whose world has PARTS parts.
saved_game() {
  local sys=$work/$1/sys
  { for _ in $(seq 8); do echo 0; done; echo 0; echo 1000; for _ in $(seq 9); do echo 128; done; echo 1
    for _ in $(seq 8); do echo 0; done; } | game_text >"$sys/all.dat"
  : >"$sys/lstkan.dat"
  : >"$sys/lstitem.dat"
  awk -v n="$2" 'BEGIN { for (i = 1; i <= n; i++) printf "森%d【生物】,森%d,%d 1 0 2 0,0\n", i, i, i % 5 }' |
    game_text >"$sys/lstworld.dat"
}

silent_copy silent
cp -r build/game "$work/music"
build/tests/music/sound-check tone "$work/music/bgm.wav" 20 >/dev/null
silent_copy world
saved_game world 30000
silent_copy empty
saved_game empty 0
silent_copy register
seq 100000 | sed 's/^/絵/' | game_text >"$work/register/sys/lstphoto.dat"

# --- idle CPU, on one virtual display ------------------------------------
# All the programs idle side by side, so that one round takes SECONDS.
# Prints "idle NAME GAME_PERCENT SERVER_PERCENT" for each program and round.
idle() {
  local rounds=$1 seconds=$2 server=$3 bare=$4 round name
  local -A pid before after
  shift 4
  ticks_of() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
  for round in $(seq "$rounds"); do
    for name in bare "$@"; do
      case $name in
        bare) "$bare" >/dev/null 2>&1 & ;;
        world | empty) QUILLMERE_BENCH_PRESS=ComLoad "$work/$name/quillmere" >/dev/null 2>&1 & ;;
        *) "$work/$name/quillmere" >/dev/null 2>&1 & ;;
      esac
      pid[$name]=$!
    done
    sleep 5
    for name in bare "$@"; do before[$name]=$(ticks_of "${pid[$name]}"); done
    before[server]=$(ticks_of "$server")
    sleep "$seconds"
    for name in bare "$@"; do after[$name]=$(ticks_of "${pid[$name]}"); done
    after[server]=$(ticks_of "$server")
    for name in bare "$@"; do
      awk -v n="$name" -v t=$((after[$name] - before[$name])) -v st=$((after[server] - before[server])) \
        -v hz="$(getconf CLK_TCK)" -v s="$seconds" \
        'BEGIN { printf "idle %s %.3f %.3f\n", n, 100 * t / hz / s, 100 * st / hz / s }'
      kill "${pid[$name]}"
    done
    # A game whose message box is still open ends only once it is answered.
    sleep 0.5
    for name in bare "$@"; do kill -9 "${pid[$name]}" 2>/dev/null || true; done
    wait
  done
}
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "work=$work; $(declare -f idle); idle \"\$@\"" _ \
  "$rounds" "$seconds" "$NULL_SINK_PID" "$root/build/bench/bench-bare-window" silent music world empty register \
  >>"$samples"

# --- start-up, silent and with music --------------------------------------
for variant in silent music; do
  if [[ $variant == music ]]; then out=$(bench/startup.sh "$startups" "$work/music/bgm.wav"); else out=$(bench/startup.sh "$startups"); fi
  awk -v v="$variant" '$1 == "quillmere" { print "startup", v, $2, $3 } $1 == "bare" { print "startup bare-" v, $3, $4 }
    $1 == "bare+text" { print "startup text-" v, $2, $3 }' \
    <<<"$out" >>"$samples"
done

# --- text pacing ----------------------------------------------------------
bench/text_pacing.sh "$ticks" | awk '$1 == "ticks" { print "pacing", $4, $16 }' >>"$samples"

# --- the headless core ----------------------------------------------------
headless=build/app/headless/quillmere-headless
# Milliseconds the headless driver takes for a script, the median of ROUNDS.
timed() {
  local folder=$1 script=$2 start end
  for _ in $(seq "$rounds"); do
    start=$(date +%s%N)
    "$headless" "$folder" "$script" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
  done | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] / 1000 }'
}
repeat() { for _ in $(seq "$2"); do echo "$1"; done; }

silent_copy album
ls build/game/img | sed -n 's/^\([0-7][0-7][0-7]\|end[0-7]\)\.png$/\1/p' | game_text >"$work/album/sys/lstphoto.dat"
echo load >"$work/load.scn"
{ echo load; repeat "mouseup ComIvent 1" 100; } >"$work/album.scn"
{ echo "screen 28800 21600"; echo load; echo "click ComStt"; echo "tick TimSay 20"; echo "select LstIvent 0"
  for _ in $(seq 5000); do echo "resize 21600"; echo "resize 20000"; done; } >"$work/layout.scn"
printf '%s\n' "screen 28800 21600" load >"$work/layout-anchor.scn"
echo "headless load $(timed "$work/album" "$work/load.scn")" >>"$samples"
echo "headless album $(timed "$work/album" "$work/album.scn")" >>"$samples"
echo "headless layout $(timed "$work/album" "$work/layout.scn")" >>"$samples"
echo "headless layout-anchor $(timed "$work/album" "$work/layout-anchor.scn")" >>"$samples"
build/tests/soak/quillmere-soak build/game "$actions" 1 | awk '/actions\/s/ { for (i = 1; i <= NF; i++) if ($i == "actions/s,") print "soak", $(i - 1) }' >>"$samples"

# --- the table ------------------------------------------------------------
awk -v rounds="$rounds" -v seconds="$seconds" -v startups="$startups" -v ticks="$ticks" -v actions="$actions" '
  function stats(key,   n, i, j, t, v) {
    n = count[key]
    for (i = 1; i <= n; i++) v[i] = val[key, i]
    for (i = 2; i <= n; i++) for (j = i; j > 1 && v[j - 1] > v[j]; j--) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
    lo = v[1]; hi = v[n]
    return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
  }
  function row(what, figure, anchor, note) { printf "| %-44s | %-22s | %-22s | %s |\n", what, figure, anchor, note }
  function range(m) { return sprintf("%.2f (%.2f-%.2f)", m, lo, hi) }
  $1 == "idle" { val["cpu " $2, ++count["cpu " $2]] = $3; val["srv " $2, ++count["srv " $2]] = $4 }
  $1 == "startup" { start[$2] = $3; mem[$2] = $4 }
  $1 == "pacing" { median = $2; worst = $3 }
  $1 == "headless" { ms[$2] = $3 }
  $1 == "soak" { soak = $2 }
  END {
    printf "Rounds: idle %d x %d s, start-up %d runs (medians), text %d ticks, soak %d actions\n\n", rounds, seconds, startups, ticks, actions
    row("figure", "game", "anchor", "target")
    row("---", "---", "---", "---")
    s = start["silent"] / start["bare-silent"]; m = start["music"] / start["bare-music"]
    row("start-up to first paint, silent (ms)", sprintf("%.1f (x%.2f)", start["silent"], s), sprintf("bare window %.1f", start["bare-silent"]), "x1.3: " (s <= 1.3 ? "met" : "missed"))
    row("start-up to first paint, with music (ms)", sprintf("%.1f (x%.2f)", start["music"], m), sprintf("bare window %.1f", start["bare-music"]), "x1.6: " (m <= 1.6 ? "met" : "missed"))
    row("  the same beside a bare window with text (ms)", sprintf("x%.2f / x%.2f", start["silent"] / start["text-silent"], start["music"] / start["text-music"]), sprintf("%.1f / %.1f", start["text-silent"], start["text-music"]), "")
    row("peak memory, silent / music (MiB)", sprintf("%.1f / %.1f", mem["silent"], mem["music"]), sprintf("bare window %.1f", mem["bare-silent"]), "")
    b = stats("cpu bare"); bare = range(b)
    q = stats("cpu silent"); row("idle CPU, title, silent (% of a core)", range(q), bare, "< 0.2: " (q < 0.2 ? "met" : "missed"))
    q = stats("cpu music"); qm = range(q); sv = stats("srv music")
    row("idle CPU, title, music (% of a core)", qm, bare, "< 0.5: " (q < 0.5 ? "met" : "missed"))
    row("  sound server meanwhile (% of a core)", range(sv), "", "reported apart")
    e = stats("cpu empty"); er = range(e); w = stats("cpu world")
    row("idle CPU, playing, 30,000-part world", range(w), "empty world " er, "+0.1: " (w - e <= 0.1 ? "met" : "missed"))
    t = stats("cpu silent"); tr = range(t); r = stats("cpu register")
    row("idle CPU, title, 100,000-name register", range(r), "plain title " tr, "+0.1: " (r - t <= 0.1 ? "met" : "missed"))
    row("text pacing, median / worst jitter (ms)", sprintf("%.2f / %.2f", median, worst), "100 ms", "100 +- 2: " (median >= 98 && median <= 102 ? "met" : "missed"))
    row("layout pass at 1920 x 1440, headless (ms)", sprintf("%.3f", (ms["layout"] - ms["layout-anchor"]) / 10000), sprintf("driver start-up %.1f", ms["layout-anchor"]), "")
    row("album of 64 pictures, headless (ms)", sprintf("%.2f", (ms["album"] - ms["load"]) / 100), sprintf("driver start-up %.1f", ms["load"]), "")
    row("random player actions per second (soak)", sprintf("%d", soak), "", "")
  }' "$samples"
echo
echo "machine: $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo), load average $(cut -d' ' -f1-3 /proc/loadavg)"
