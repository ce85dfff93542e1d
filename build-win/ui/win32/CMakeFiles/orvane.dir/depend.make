# Empty dependencies file for orvane.
# This may be replaced when dependencies are built.
