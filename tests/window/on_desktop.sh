#!/usr/bin/env bash
# tests/window/on_desktop.sh COMMAND [ARG...]: runs COMMAND on a desktop of
# its own: a virtual X display (Xvfb, 1920 x 1200, large enough for every
# screen a scenario sets; DESKTOP_SIZE=WxH gives another) with the openbox
# window manager, which activates and focuses windows as a player's desktop
# does. Prints what COMMAND prints and ends with its status.
set -euo pipefail

# Runs on the display: the window manager first, and COMMAND once it manages
# the screen.
desktop() {
  local ready
  ready=$(mktemp -u)
  # openbox runs its start-up command once it manages the screen; a window
  # mapped before that would be taken over without the focus.
  openbox --sm-disable --startup "touch $ready" >/dev/null 2>&1 &
  local wm=$! status=0
  for _ in $(seq 400); do
    [[ -e $ready ]] && break
    sleep 0.025
  done
  if [[ ! -e $ready ]]; then
    echo "on_desktop.sh: the window manager did not start" >&2
    status=1
  else
    rm -f "$ready"
    "$@" || status=$?
  fi
  kill "$wm" 2>/dev/null || true
  wait "$wm" 2>/dev/null || true
  return "$status"
}

# Qt wants a private runtime folder and warns without one.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

# xvfb-run -a takes the next free display number, and the next again when
# another server took it meanwhile.
xvfb-run -a -s "-screen 0 ${DESKTOP_SIZE:-1920x1200}x24" bash -c "$(declare -f desktop); desktop \"\$@\"" _ "$@"
