# Empty compiler generated dependencies file for orvane_win32.
# This may be replaced when dependencies are built.
