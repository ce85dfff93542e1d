# CMake generated Testfile for 
# Source directory: /work/wt-history/packaging
# Build directory: /work/wt-history/build-win/packaging
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
