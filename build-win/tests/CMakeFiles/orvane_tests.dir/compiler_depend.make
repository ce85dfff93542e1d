# Empty compiler generated dependencies file for orvane_tests.
# This may be replaced when dependencies are built.
