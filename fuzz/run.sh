#!/bin/sh
# Runs the user.reg fuzz target for the given seconds on the kept corpus.
# New finds and failing inputs go to folders of the build, so the sources
# stay as they are.
set -eu
fuzzer=$1
seconds=$2
corpus=$(dirname "$0")/corpus
found=$(dirname "$fuzzer")/found-corpus
crashes=$(dirname "$fuzzer")/crashes
mkdir -p "$found" "$crashes"
exec "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$crashes/" "$found" "$corpus"
