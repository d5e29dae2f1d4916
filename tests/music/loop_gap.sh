#!/usr/bin/env bash
# tests/music/loop_gap.sh GAME_FOLDER SOUND_CHECK: plays the game, with
# a 1.5 s tone for its music, on a private sound server for a few seconds,
# records what it hears, and checks that the tone sounded whole, fell
# silent and sounded again: the music started over once it had ended. Prints
# the gap between the end of the piece and its new start. Exits 77 (skipped)
# when PulseAudio's server and tools or xvfb-run are missing.
set -euo pipefail

game_folder=$1 sound_check=$2
piece_seconds=1.5

for tool in pulseaudio pactl parec xvfb-run; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: no $tool (scripts/deps.sh --audio installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work
source "$(dirname "$0")/null_sink.sh"
cleanup() {
  [[ -n "${recorder:-}" ]] && kill "$recorder" 2>/dev/null
  stop_null_sink
  rm -rf "$work"
}
trap cleanup EXIT

# A copy of the game folder, so that its music is the tone.
cp -r "$game_folder" "$work/game"
"$sound_check" tone "$work/game/bgm.wav" "$piece_seconds"

start_null_sink "$work/pulse"
parec --raw --format=s16le --rate=44100 --channels=1 --latency-msec=20 -d "$NULL_SINK_MONITOR" >"$work/heard.raw" &
recorder=$!
sleep 0.3
# Long enough for the piece to end and sound again, whatever start-up takes.
xvfb-run -a timeout -s TERM 5 "$work/game/quillmere" || [[ $? -eq 124 ]]
sleep 0.2
kill "$recorder"
wait "$recorder" 2>/dev/null || true
recorder=

"$sound_check" loop "$work/heard.raw" "$piece_seconds"
