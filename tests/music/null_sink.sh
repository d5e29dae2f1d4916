# Sourced by the real-audio check and the music benchmark: a private
# PulseAudio server whose one sink plays into nothing, so what the game
# plays can be recorded from its monitor without a sound card and without
# touching anyone's own sound server.
#   start_null_sink DIR   starts it, keeping its files in DIR; exports
#                         PULSE_SERVER for the programs started after it
#   stop_null_sink        ends it
#   start_null_sink_in_temp
#                         starts it in a fresh temporary folder, which it
#                         exports as NULL_SINK_TEMP and XDG_RUNTIME_DIR; the
#                         server ends and the folder goes when the script
#                         exits
#   NULL_SINK_MONITOR     the source to record from

NULL_SINK_MONITOR=quillmere_null.monitor

start_null_sink() {
  local dir=$1
  mkdir -p "$dir/runtime"
  chmod 700 "$dir/runtime"
  HOME=$dir PULSE_RUNTIME_PATH=$dir/runtime pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$dir/runtime/native" \
    --load="module-null-sink sink_name=quillmere_null" >"$dir/pulseaudio.log" 2>&1 &
  NULL_SINK_PID=$!
  export PULSE_SERVER=unix:$dir/runtime/native
  for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "the sound server did not start:" >&2
  cat "$dir/pulseaudio.log" >&2
  return 1
}

stop_null_sink() {
  [[ -n "${NULL_SINK_PID:-}" ]] || return 0
  kill "$NULL_SINK_PID" 2>/dev/null || true
  wait "$NULL_SINK_PID" 2>/dev/null || true
  NULL_SINK_PID=
}

start_null_sink_in_temp() {
  NULL_SINK_TEMP=$(mktemp -d)
  export NULL_SINK_TEMP XDG_RUNTIME_DIR=$NULL_SINK_TEMP
  trap 'stop_null_sink; rm -rf "$NULL_SINK_TEMP"' EXIT
  start_null_sink "$NULL_SINK_TEMP/pulse"
}
