#!/usr/bin/env bash
# bench/disk_writes.sh [ROUNDS [FOLDER]]: what forcing a save and the
# register onto the disk costs, against the same writes without fsync
# (default 100 rounds each, in a folder under build/, on the disk the game
# folder is on; tmpfs would make fsync free).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
[[ -f build/CMakeCache.txt ]] || cmake --preset default >/dev/null
cmake --build --preset default --target bench-disk-writes >/dev/null
folder=${2:-build/bench-disk-writes}
rm -rf "$folder"
build/bench/bench-disk-writes "$folder" "${1:-100}"
rm -rf "$folder"
