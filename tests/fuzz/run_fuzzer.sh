#!/usr/bin/env bash
# Runs a fuzz target over its seed corpus with a fixed seed and number of
# runs; what it finds goes to a scratch folder, never into the tree.
#   run_fuzzer.sh TARGET CORPUS RUNS
set -euo pipefail
target=$1 corpus=$2 runs=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$target" -seed=1 -runs="$runs" -max_len=512 -timeout=30 -rss_limit_mb=4096 \
  -artifact_prefix="$scratch/" "$scratch" "$corpus"
