#!/usr/bin/env bash
# Runs every fuzz target for a long while, one after the other, at low
# priority, and says how many inputs each tried and what it found.
#   tests/fuzz/run_long.sh [TOTAL_INPUTS [TARGET...]]
# TOTAL_INPUTS (default 10000000) is shared evenly among the targets named
# (default all: text_reader event_script save_loader register album
# chronicle).
# Builds the fuzz preset first. What each target finds new joins
# build-fuzz/tests/fuzz/corpus/NAME; an input that breaks something is kept
# as build-fuzz/tests/fuzz/findings/NAME-crash-… (or -leak-, -timeout-,
# -oom-) and named at the end. Exits 1 if anything was found.
set -euo pipefail
cd "$(dirname "$0")/../.."
total=${1:-10000000}
targets=(text_reader event_script save_loader register album chronicle)
[[ $# -gt 1 ]] && targets=("${@:2}")
per_target=$((total / ${#targets[@]}))

nice -n 10 cmake --preset fuzz >/dev/null
nice -n 10 cmake --build --preset fuzz >/dev/null
bin=build-fuzz/tests/fuzz
findings=$bin/findings
mkdir -p "$findings"
# The targets write their game folders many thousand times a second.
export TMPDIR=${TMPDIR:-/dev/shm}

for t in "${targets[@]}"; do
  mkdir -p "$bin/corpus/$t"
  log=$bin/$t.log
  start=$(date +%s)
  nice -n 10 "$bin/${t}_fuzz" -runs="$per_target" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/$t-" "$bin/corpus/$t" "tests/fuzz/corpus/$t" >"$log" 2>&1 || true
  runs=$(grep -oP '^stat::number_of_executed_units:\s*\K\d+' "$log" || echo 0)
  echo "$t: $runs inputs in $(($(date +%s) - start)) s, $(ls "$bin/corpus/$t" | wc -l) in its corpus"
done
if compgen -G "$findings/*" >/dev/null; then
  echo "Found:"
  ls -1 "$findings"
  exit 1
fi
echo "Nothing found."
