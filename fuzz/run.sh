#!/bin/sh
# Runs a fuzz target for the given seconds on its kept corpus (the folder
# named, "corpus" by default). New finds and failing inputs go to folders
# of the build, so the sources stay as they are.
set -eu
fuzzer=$1
seconds=$2
corpus=$(dirname "$0")/${3:-corpus}
name=$(basename "$fuzzer")
found=$(dirname "$fuzzer")/found-$name
crashes=$(dirname "$fuzzer")/crashes-$name
mkdir -p "$found" "$crashes"
exec "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$crashes/" "$found" "$corpus"
