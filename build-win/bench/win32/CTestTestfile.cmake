# CMake generated Testfile for 
# Source directory: /work/wt-history/bench/win32
# Build directory: /work/wt-history/build-win/bench/win32
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
