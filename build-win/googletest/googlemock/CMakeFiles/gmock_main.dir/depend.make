# Empty dependencies file for gmock_main.
# This may be replaced when dependencies are built.
