#!/usr/bin/env bash
# fuzz-run.sh TARGET SEED_CORPUS SECONDS
# Runs a libFuzzer target for a bounded time on a scratch copy of its seed
# corpus, so that the corpus in the repository never changes by itself.
set -euo pipefail
target=$1
seeds=$2
seconds=$3
[ -d "$seeds" ] && [ -n "$(ls -A "$seeds")" ] || { echo "no seed corpus in $seeds"; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r "$seeds"/. "$scratch"/
cd "$scratch"
"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$scratch" 2>&1 | tail -n 15
exit "${PIPESTATUS[0]}"
