# CMake generated Testfile for 
# Source directory: /work/wt-history/tests
# Build directory: /work/wt-history/build-win/tests
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("../googletest")
