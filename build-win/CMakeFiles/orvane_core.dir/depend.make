# Empty dependencies file for orvane_core.
# This may be replaced when dependencies are built.
