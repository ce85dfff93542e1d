# Empty dependencies file for orvane_logic.
# This may be replaced when dependencies are built.
