# Empty dependencies file for orvane_platform.
# This may be replaced when dependencies are built.
