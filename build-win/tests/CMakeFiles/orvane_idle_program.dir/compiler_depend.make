# Empty compiler generated dependencies file for orvane_idle_program.
# This may be replaced when dependencies are built.
