#!/usr/bin/env bash
# Installs the Debian packages Quillmere needs that are not there yet; asks
# for sudo only for that step and only when something is missing.
#   scripts/deps.sh            what building, playing and testing need,
#                              the scenarios in the real window too (Xvfb
#                              and the openbox window manager)
#   scripts/deps.sh --display  also ImageMagick, sox, xdotool and the X
#                              utilities, for the benchmarks, the contact
#                              sheet of the memory pictures and the music's
#                              figures
#   scripts/deps.sh --audio    also a PulseAudio server and its tools, for
#                              the music check on a real sound server
#                              (skipped without them)
#   scripts/deps.sh --browser  also Chromium, for the check that the album
#                              shows every picture (skipped without it)
#   scripts/deps.sh --package  also what building the Debian package needs
#   scripts/deps.sh --package-test
#                              also what the check of the package needs:
#                              lintian, the desktop entry's and metainfo's
#                              validators, and a display with a window
#                              manager to play it on (skipped without them)
#   scripts/deps.sh --fuzz     also Clang and its libFuzzer, for the fuzz
#                              preset (tests/fuzz/)
# The flags may be given together.
set -euo pipefail

# Reading aloud: Qt TextToSpeech (whose CMake package asks for Qt's QML
# integration headers) and its speech-dispatcher plug-in, which the game
# needs when it runs.
packages=(g++ cmake make libgtest-dev qt6-base-dev libgl-dev libxcb1-dev libsdl2-mixer-dev libasound2-dev
  qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin
  fonts-ipafont-mincho fonts-ipafont-gothic xvfb xauth openbox)
for flag in "$@"; do
  case "$flag" in
    --display) packages+=(imagemagick sox xdotool x11-utils) ;;
    --audio) packages+=(pulseaudio pulseaudio-utils) ;;
    --browser) packages+=(chromium) ;;
    --package) packages+=(dpkg-dev file) ;;
    --package-test)
      packages+=(dpkg-dev file lintian desktop-file-utils appstream imagemagick xdotool x11-utils)
      ;;
    --fuzz) packages+=(clang-14 libclang-rt-14-dev) ;;
    *)
      echo "unknown flag: $flag" >&2
      exit 2
      ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
