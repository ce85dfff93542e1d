# Empty compiler generated dependencies file for orvane_test_support.
# This may be replaced when dependencies are built.
