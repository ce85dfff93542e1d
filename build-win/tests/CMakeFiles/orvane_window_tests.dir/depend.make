# Empty dependencies file for orvane_window_tests.
# This may be replaced when dependencies are built.
