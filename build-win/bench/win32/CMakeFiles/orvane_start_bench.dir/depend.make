# Empty dependencies file for orvane_start_bench.
# This may be replaced when dependencies are built.
