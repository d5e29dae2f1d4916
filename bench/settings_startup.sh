#!/usr/bin/env bash
# bench/settings_startup.sh [RUNS]: start-up with the player's settings read,
# beside a bare Qt window (bench/startup.sh, RUNS times each, default 10):
# a settings file with every option of the window changed from its
# default, full screen, larger text, high contrast, the colour values,
# auto mode, reading aloud and a lower volume among them. The target: at
# most twice the bare window's time.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
settings=$(mktemp)
trap 'rm -f "$settings"' EXIT
cat >"$settings" <<'INI'
[window]
fullScreen=true
[music]
volume=40
muted=true
[reading]
autoMode=true
autoBaseMs=1500
autoPerCharMs=60
readAloud=true
[look]
textSize=150
highContrast=true
colourNumbers=true
INI
SETTINGS=$settings "$root/bench/startup.sh" "${1:-10}"
