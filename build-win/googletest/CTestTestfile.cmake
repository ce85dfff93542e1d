# CMake generated Testfile for 
# Source directory: /usr/src/googletest
# Build directory: /work/wt-history/build-win/googletest
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("googlemock")
