# Empty dependencies file for orvane_demo.
# This may be replaced when dependencies are built.
