# Empty dependencies file for orvane_cli.
# This may be replaced when dependencies are built.
