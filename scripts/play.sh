#!/usr/bin/env bash
# Builds Quillmere with the shipped game data and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default -DQUILLMERE_QT=ON >/dev/null
cmake --build --preset default --target quillmere game_data
exec build/game/quillmere
