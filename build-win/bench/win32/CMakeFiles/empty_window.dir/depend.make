# Empty dependencies file for empty_window.
# This may be replaced when dependencies are built.
